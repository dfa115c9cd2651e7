// The face a text is drawn in: the style's own font when it has every glyph of the text, else the
// first of a few fonts that has them all. The Roman and circled numerals are missing from the
// serif fonts a style names by default, and the system may or may not link another font in.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "clock/common/handles_win.h"

namespace vistrel {

class GlyphFallback {
public:
    GlyphFallback();
    // `face` when its font has every character of `text`; else the first fallback face (the
    // Japanese interface fonts, then the system's symbol font) that has them all; `face` again
    // when none has. Each face is asked about a character once.
    std::string FaceFor(const std::string& face, std::wstring_view text);

private:
    bool Covers(const std::string& face, std::wstring_view text);
    // Asks the font of `face` which of `characters` it has.
    void Learn(const std::string& face, const std::wstring& characters,
               std::unordered_map<wchar_t, bool>& known);

    UniqueMemoryDc dc_;
    // What each face's font (as the system maps the name) has, character by character.
    std::map<std::string, std::unordered_map<wchar_t, bool>> known_;
};

} // namespace vistrel
