// The optional language library "Lang.dll": numbered texts that replace the built-in Japanese
// captions of a window while it is being created. Without the library nothing changes.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>

namespace vistrel {

// Numbered texts, as a language library holds them.
class StringSource {
public:
    virtual ~StringSource() = default;
    // The text of a number (UTF-8, at most 255 bytes in Shift-JIS); empty when the library
    // lacks the number.
    virtual std::string Text(int number) const = 0;
};

// One text of a window that the library may replace: its number and where it goes.
struct TextReplacement {
    int number;
    std::function<void(const std::string&)> assign;
};

// A replacement that goes into a variable.
TextReplacement ReplaceInto(int number, std::string& target);

// Assigns every entry of the table, in its order, from the source. A number the source lacks
// assigns an empty text (that is what such a library asks for), except for the texts added
// since the first libraries, which keep their built-in text (texts.h).
void ApplyReplacements(const StringSource& source, std::span<const TextReplacement> table);

// Opens the language library; nothing when there is none.
std::unique_ptr<StringSource> OpenLanguageLibrary();

// What a window calls as it is created: opens the library, applies the whole table and frees
// the library again. False (and nothing assigned) when there is no library.
bool ApplyLanguage(std::span<const TextReplacement> table);

// Tests put a library of their own in place of "Lang.dll"; an empty function restores it.
void SetLanguageLibraryForTests(std::function<std::unique_ptr<StringSource>()> open);

namespace detail {
std::unique_ptr<StringSource> OpenPlatformLanguageLibrary(); // platform twin
}

} // namespace vistrel
