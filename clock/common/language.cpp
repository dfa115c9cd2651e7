#include "clock/common/language.h"

#include <utility>

#include "clock/common/texts.h"

namespace vistrel {

namespace {
std::function<std::unique_ptr<StringSource>()>& Override() {
    static std::function<std::unique_ptr<StringSource>()> open;
    return open;
}
} // namespace

TextReplacement ReplaceInto(int number, std::string& target) {
    return {number, [&target](const std::string& text) { target = text; }};
}

void ApplyReplacements(const StringSource& source, std::span<const TextReplacement> table) {
    for (const TextReplacement& entry : table) {
        if (entry.assign) entry.assign(TextFrom(&source, entry.number));
    }
}

std::unique_ptr<StringSource> OpenLanguageLibrary() {
    if (Override()) return Override()();
    return detail::OpenPlatformLanguageLibrary();
}

bool ApplyLanguage(std::span<const TextReplacement> table) {
    const std::unique_ptr<StringSource> library = OpenLanguageLibrary();
    if (!library) return false;
    ApplyReplacements(*library, table);
    return true;
}

void SetLanguageLibraryForTests(std::function<std::unique_ptr<StringSource>()> open) {
    Override() = std::move(open);
}

} // namespace vistrel
