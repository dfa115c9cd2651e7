// Every user-visible text by name: its number in the language library and its built-in
// Japanese, from the one table in text_table.inc. A window takes its texts through a TextBook
// (the library opened once while the window is made); a message takes one with Tr().
#pragma once

#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "clock/common/language.h"

namespace vistrel {

enum class Tx : int {
#define VISTREL_TEXT(name, number, japanese) name = number,
#include "clock/common/text_table.inc"
#undef VISTREL_TEXT
};

// Texts from this number on were added after the first libraries were made: a library that
// lacks one leaves the built-in text in place (below it, a missing text is an empty one).
inline constexpr int kFirstAddedText = 1000;

constexpr int NumberOf(Tx text) { return static_cast<int>(text); }

constexpr std::string_view BuiltInText(Tx text) {
    switch (text) {
#define VISTREL_TEXT(name, number, japanese)                                                       \
    case Tx::name:                                                                                 \
        return japanese;
#include "clock/common/text_table.inc"
#undef VISTREL_TEXT
    }
    return {};
}

struct TextEntry {
    Tx text;
    std::string_view japanese;
};

// The whole table, in number order.
std::span<const TextEntry> TextTable();
// The built-in text of a number; nothing when the table has no such number.
const TextEntry* FindText(int number);

// The text of a number from a library (or the built-in one without a library), as the rule
// above has it.
std::string TextFrom(const StringSource* library, int number);

// The texts of one window: the library is opened once, as the window is made.
class TextBook {
public:
    TextBook();
    std::string operator()(Tx text) const { return TextFrom(library_.get(), NumberOf(text)); }
    bool Translated() const { return library_ != nullptr; }

private:
    std::unique_ptr<StringSource> library_;
};

// One text, for a message: opens the library for this text alone.
std::string Tr(Tx text);

// The text with "%1" ... "%9" replaced by the arguments, in one pass (an argument holding
// "%1" stays as it is).
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);
// Tr and Fill together.
std::string TrFill(Tx text, std::initializer_list<std::string_view> args);

// A replacement that goes into a variable, by the text's name.
TextReplacement ReplaceInto(Tx text, std::string& target);

// Assigns every entry of the table from the library, or its built-in text when there is none:
// for windows whose templates hold no texts of their own.
void ApplyTexts(std::span<const TextReplacement> table);

} // namespace vistrel
