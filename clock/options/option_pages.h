// The eleven pages of the options dialog: their bindings, enabling rules and help contexts.
#pragma once

#include <optional>
#include <span>

#include "clock/options/option_bindings.h"

namespace vistrel {

enum OptionPage : int {
    kPageGeneral,
    kPageNeedle,
    kPageMojiBan,
    kPageDateChar,
    kPageTime,
    kPageMemori,
    kPageFrame,
    kPageLock,
    kPagePoint,
    kPageAlarm,
    kPageINet,
    kOptionPageCount
};

std::span<const Bound> PageBindings(int page);
std::span<const Rule> PageRules(int page);

// The page's help context; none for the time page (and for a page that does not exist).
std::optional<int> PageHelpContext(int page);

// A hand style above this one is a "(ｼﾝﾌﾟﾙ)" style, the only kind with an edge colour.
inline constexpr int kLastStyleWithoutEdge = 8;

// The styles the three hands are drawn with: without separate styles every hand takes the first.
int EffectiveMinuteStyle(const TOptionItem& r);
int EffectiveSecondStyle(const TOptionItem& r);

} // namespace vistrel
