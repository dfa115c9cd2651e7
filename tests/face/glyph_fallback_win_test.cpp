// A numeral set the style's font lacks is drawn from a font that has it. A font draws the same
// box for every glyph it lacks, so twelve numerals drawn as boxes make at most two different
// pictures (one box, two boxes); twelve real numerals make twelve.
#include "clock/face/glyph_fallback_win.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "clock/common/wide_win.h"
#include "clock/face/dib_canvas_win.h"
#include "clock/face/face_numerals.h"
#include "clock/face/font_cache_win.h"

using namespace vistrel;

namespace {

constexpr const char* kStyleFont = "Times New Roman"; // the style's default numeral font

// The pixels of text drawn alone in white on black, in the face's font of that face.
std::string Drawn(const std::string& face, const std::wstring& text) {
    DibCanvas canvas(8);
    canvas.Resize(120, 60);
    canvas.Fill(0);
    const UniqueFont font = CreateFaceFont({face, -32});
    const SelectGuard selected(canvas.dc(), font.get());
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), RGB(255, 255, 255));
    TextOutW(canvas.dc(), 4, 4, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    std::string pixels;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(canvas.Row(y));
        pixels.append(row, static_cast<std::size_t>(canvas.width()));
    }
    return pixels;
}

std::size_t DifferentPictures(const std::string& face, int type) {
    std::set<std::string> pictures;
    for (int n = 1; n <= 12; ++n) pictures.insert(Drawn(face, Widen(NumeralText(type, n, 0))));
    return pictures.size();
}

} // namespace

TEST(GlyphFallback, RomanAndCircledNumeralsAreDrawnAsGlyphsNotBoxes) {
    GlyphFallback fallback;
    for (const int type : {1, 2}) {
        std::wstring numerals;
        for (int n = 1; n <= 12; ++n) numerals += Widen(NumeralText(type, n, 0));
        const std::string face = fallback.FaceFor(kStyleFont, numerals);
        EXPECT_EQ(DifferentPictures(face, type), 12u) << "set " << type << " in " << face;
        // The style's own font is passed over only where it really draws boxes.
        if (face != kStyleFont) {
            EXPECT_LE(DifferentPictures(kStyleFont, type), 2u) << type;
        }
    }
    EXPECT_EQ(fallback.FaceFor(kStyleFont, L"2026/12/09 12:34:56"), kStyleFont);
}
