#include "clock/common/texts.h"

#include <algorithm>
#include <array>

namespace vistrel {

namespace {
constexpr std::array kTable = {
#define VISTREL_TEXT(name, number, japanese) TextEntry{Tx::name, japanese},
#include "clock/common/text_table.inc"
#undef VISTREL_TEXT
};

constexpr bool InNumberOrder() {
    for (std::size_t i = 1; i < kTable.size(); ++i) {
        if (NumberOf(kTable[i - 1].text) >= NumberOf(kTable[i].text)) return false;
    }
    return true;
}
static_assert(InNumberOrder(), "the text table runs in number order, each number once");
} // namespace

std::span<const TextEntry> TextTable() { return kTable; }

const TextEntry* FindText(int number) {
    const auto found =
        std::lower_bound(kTable.begin(), kTable.end(), number,
                         [](const TextEntry& e, int n) { return NumberOf(e.text) < n; });
    return found != kTable.end() && NumberOf(found->text) == number ? &*found : nullptr;
}

std::string TextFrom(const StringSource* library, int number) {
    const TextEntry* entry = FindText(number);
    if (library == nullptr) return entry ? std::string(entry->japanese) : std::string();
    std::string text = library->Text(number);
    if (text.empty() && number >= kFirstAddedText && entry) return std::string(entry->japanese);
    return text;
}

TextBook::TextBook() : library_(OpenLanguageLibrary()) {}

std::string Tr(Tx text) { return TextBook()(text); }

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string TrFill(Tx text, std::initializer_list<std::string_view> args) {
    return Fill(Tr(text), args);
}

TextReplacement ReplaceInto(Tx text, std::string& target) {
    return ReplaceInto(NumberOf(text), target);
}

void ApplyTexts(std::span<const TextReplacement> table) {
    const std::unique_ptr<StringSource> library = OpenLanguageLibrary();
    for (const TextReplacement& entry : table) {
        if (entry.assign) entry.assign(TextFrom(library.get(), entry.number));
    }
}

} // namespace vistrel
