// GDI painting of the face's layers from their portable layouts. Each painter draws into the
// face image, and where its outline comes from the scanned shape image, white into that too.
#pragma once

#include <windows.h>

#include <string>

#include "clock/common/handles_win.h"
#include "clock/face/alarm_marks.h"
#include "clock/face/dib_canvas_win.h"
#include "clock/face/face_frame.h"
#include "clock/face/face_numerals.h"
#include "clock/face/face_ticks.h"

namespace vistrel {

struct FaceCanvases {
    HDC face = nullptr;  // the picture
    HDC shape = nullptr; // black, white where scanned parts of the outline are
};

// Text output into one DC for the length of a render. Selecting a font is far dearer than
// drawing a numeral with it, so a font stays selected until another one is needed; the DC's
// own font comes back when the TextCanvas ends.
class TextCanvas {
public:
    explicit TextCanvas(HDC dc);
    ~TextCanvas();
    TextCanvas(const TextCanvas&) = delete;
    TextCanvas& operator=(const TextCanvas&) = delete;

    TextExtent Measure(HFONT font, const std::wstring& text);
    // Transparent background, top left corner at `at`.
    void Draw(HFONT font, const std::wstring& text, Point at, Colour colour);

private:
    void Use(HFONT font);
    HDC dc_;
    HGDIOBJ original_ = nullptr;
    HFONT current_ = nullptr;
};

// Returns the outline of the 3D styles; the simple styles go into the shape image instead.
UniqueRegion PaintTicks(DibCanvas& face, HDC shape, const TickLayout& layout);

void PaintNumerals(TextCanvas& face, TextCanvas& shape, const NumeralLayout& layout, HFONT font,
                   HFONT narrow_font);

struct CaptionPaint {
    std::wstring text;
    HFONT font = nullptr;
    Point top_left;
    int shadow_offset = 0;
    bool shadow = false;
    Colour colour = 0, shadow_colour = 0;
};
void PaintCaption(TextCanvas& face, TextCanvas& shape, const CaptionPaint& caption);

UniqueRegion PaintFrame(HDC face, const FrameDrawing& frame, int width, int height);
UniqueRegion PaintAlarmMarks(HDC face, const AlarmMarksDrawing& marks);

} // namespace vistrel
