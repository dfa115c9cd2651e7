// GDI painting of the face's layers from their portable layouts. Each painter draws into the
// face image, and where its outline comes from the scanned shape image, white into that too.
#pragma once

#include <windows.h>

#include <string>

#include "clock/common/handles_win.h"
#include "clock/face/alarm_marks.h"
#include "clock/face/face_frame.h"
#include "clock/face/face_numerals.h"
#include "clock/face/face_ticks.h"

namespace vistrel {

struct FaceCanvases {
    HDC face = nullptr;  // the picture
    HDC shape = nullptr; // black, white where scanned parts of the outline are
};

TextExtent MeasureText(HDC dc, HFONT font, const std::wstring& text);
// Text with a transparent background, its top left corner at `at`.
void DrawTextAt(HDC dc, HFONT font, const std::wstring& text, Point at, Colour colour);

// Returns the outline of the 3D styles; the simple styles go into the shape image instead.
UniqueRegion PaintTicks(const FaceCanvases& c, const TickLayout& layout);

void PaintNumerals(const FaceCanvases& c, const NumeralLayout& layout, HFONT font,
                   HFONT narrowFont);

struct CaptionPaint {
    std::wstring text;
    HFONT font = nullptr;
    Point topLeft;
    int shadowOffset = 0;
    bool shadow = false;
    Colour colour = 0, shadowColour = 0;
};
void PaintCaption(const FaceCanvases& c, const CaptionPaint& caption);

UniqueRegion PaintFrame(HDC face, const FrameDrawing& frame, int width, int height);
UniqueRegion PaintAlarmMarks(HDC face, const AlarmMarksDrawing& marks);

} // namespace vistrel
