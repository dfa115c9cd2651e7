#include "clock/face/font_cache_win.h"

#include <algorithm>
#include <cwchar>

#include "clock/common/error.h"
#include "clock/common/wide_win.h"

namespace vistrel {

int FontHeightForPoints(int points, int pixels_per_inch) {
    return -MulDiv(points, pixels_per_inch, 72);
}

UniqueFont CreateFaceFont(const FontSpec& font_spec) {
    LOGFONTW lf{};
    lf.lfHeight = font_spec.height;
    lf.lfWidth = font_spec.width;
    lf.lfWeight = font_spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font_spec.italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // The window's outline is cut pixel by pixel: smoothed letter edges would be blended with
    // the black behind the face and show as a dark fringe, so the face draws crisp text.
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    const std::wstring face = Widen(font_spec.face);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    UniqueFont font(CreateFontIndirectW(&lf));
    if (!font) throw Error("Cannot create the font " + font_spec.face);
    return font;
}

HFONT FontCache::Get(const FontSpec& font_spec) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& e) { return e.font_spec == font_spec; });
    if (it != entries_.end()) {
        std::rotate(it, it + 1, entries_.end());
        return entries_.back().font.get();
    }
    UniqueFont font = CreateFaceFont(font_spec);
    if (entries_.size() >= kCapacity) entries_.erase(entries_.begin());
    entries_.push_back({font_spec, std::move(font)});
    return entries_.back().font.get();
}

} // namespace vistrel
