#include "clock/face/font_cache_win.h"

#include <algorithm>
#include <cwchar>

#include "clock/common/error.h"
#include "clock/common/wide_win.h"

namespace vistrel {

int FontHeightForPoints(int points, int pixelsPerInch) {
    return -MulDiv(points, pixelsPerInch, 72);
}

HFONT FontCache::Get(const FontSpec& fontSpec) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& e) { return e.fontSpec == fontSpec; });
    if (it != entries_.end()) {
        std::rotate(it, it + 1, entries_.end());
        return entries_.back().font.get();
    }
    LOGFONTW lf{};
    lf.lfHeight = fontSpec.height;
    lf.lfWidth = fontSpec.width;
    lf.lfWeight = fontSpec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = fontSpec.italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // The window's outline is cut pixel by pixel: smoothed letter edges would be blended with
    // the black behind the face and show as a dark fringe, so the face draws crisp text.
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    const std::wstring face = Widen(fontSpec.face);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    UniqueFont font(CreateFontIndirectW(&lf));
    if (!font)
        throw Error("Cannot create the font " + fontSpec.face);
    if (entries_.size() >= kCapacity)
        entries_.erase(entries_.begin());
    entries_.push_back({fontSpec, std::move(font)});
    return entries_.back().font.get();
}

} // namespace vistrel
