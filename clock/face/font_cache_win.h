// The fonts of the face, kept between renders: a render a second would otherwise create and
// delete the same four fonts every second.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "clock/common/handles_win.h"

namespace vistrel {

struct FontSpec {
    std::string face;
    int height = 0; // LOGFONT height: negative for a character height in pixels
    int width = 0;  // 0: the font's own width
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The LOGFONT height of a size in points on a screen of pixels_per_inch.
int FontHeightForPoints(int points, int pixels_per_inch);

// A new font as the face draws text: not antialiased (see the .cpp).
UniqueFont CreateFaceFont(const FontSpec& font_spec);

class FontCache {
public:
    // The font for font_spec; it stays valid until the cache holds kCapacity newer fonts.
    HFONT Get(const FontSpec& font_spec);
    void Clear() { entries_.clear(); }

private:
    static constexpr std::size_t kCapacity = 8;
    struct Entry {
        FontSpec font_spec;
        UniqueFont font;
    };
    std::vector<Entry> entries_; // most recently used last
};

} // namespace vistrel
