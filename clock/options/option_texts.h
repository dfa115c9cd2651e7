// The built-in texts of the options dialog (window caption, page tabs, control captions, list
// entries) with the language library's number for each text it may replace. The dialog builds
// its templates from these texts and translates them once as it is created.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "clock/common/date_time.h"
#include "clock/common/language.h"
#include "clock/common/texts.h"

namespace vistrel {

// The window itself, as a text target.
inline constexpr int kOptionsWindowText = 1900;
// The message of the alarm preview (a text of no control).
inline constexpr int kAlarmPreviewText = 1903;

// One text: the caption of control `id` (item -1; a page's tab is the page's block number
// oid::PageBase(page)), or entry `item` of list `id`.
struct OptionText {
    int id;
    int item;
    Tx text;
};

// Every text the language library may replace (formats and key names stay as they are).
const std::vector<OptionText>& OptionTextTable();

// The texts the dialog shows, built from the table and then translated.
struct OptionTexts {
    std::map<int, std::string> captions;           // by control (and page block, window)
    std::map<int, std::vector<std::string>> lists; // entries by list control
};

// The built-in texts, with the weekday box holding "(なし)" and `today`'s weekday names.
OptionTexts BuiltInOptionTexts(TDateTime today);

// Replaces the texts from a language library, in the table's order.
void TranslateOptionTexts(const StringSource& library, OptionTexts& texts);

// The layer list's entry for a layer code (0..6); empty for any other code.
std::string LayerName(const OptionTexts& texts, int code);

} // namespace vistrel
