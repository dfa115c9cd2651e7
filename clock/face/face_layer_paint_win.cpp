#include "clock/face/face_layer_paint_win.h"

#include "clock/common/wide_win.h"
#include "clock/face/gdi_paint_win.h"
#include "clock/face/region_ops_win.h"

namespace vistrel {

namespace {

void PaintCircleTick(HDC dc, const DcPenBrush& colours, const TickMark& m) {
    if (m.currentSecond) {
        colours.Set(m.colour);
        DrawEllipse(dc, m.box);
        return;
    }
    const CircleTickBevel b = CircleTickBevelOf(m);
    colours.Set(b.outerColour);
    DrawEllipse(dc, b.outer);
    colours.Set(b.arcColour);
    Arc(dc, b.outer.left, b.outer.top, b.outer.right, b.outer.bottom, b.arcFrom.x, b.arcFrom.y,
        b.arcTo.x, b.arcTo.y);
    colours.Set(b.innerColour);
    DrawEllipse(dc, b.inner);
}

void PaintSquareTick(HDC dc, const DcPenBrush& colours, const TickMark& m) {
    colours.Set(m.colour);
    DrawRectangle(dc, m.box);
    if (m.currentSecond) return;
    for (const Polyline& line : SquareTickBevel(m)) {
        colours.Set(line.colour);
        DrawPolyline(dc, line.points);
    }
}

void PaintSimpleTicks(const FaceCanvases& c, const TickLayout& layout) {
    const bool circle = layout.style == kTickCircleSimple;
    {
        const DcPenBrush colours(c.face);
        for (const TickBox& t : SimpleTickPaint(layout)) {
            colours.Set(t.colour);
            circle ? DrawEllipse(c.face, t.box) : DrawRectangle(c.face, t.box);
        }
    }
    const DcPenBrush white(c.shape);
    white.Set(kWhite);
    for (const Rect& box : layout.maskBoxes)
        circle ? DrawEllipse(c.shape, box) : DrawRectangle(c.shape, box);
}

std::wstring Wide(const std::string& s) { return Widen(s); }

} // namespace

TextExtent MeasureText(HDC dc, HFONT font, const std::wstring& text) {
    const SelectGuard select(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void DrawTextAt(HDC dc, HFONT font, const std::wstring& text, Point at, Colour colour) {
    const SelectGuard select(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetTextColor(dc, ToColorRef(colour));
    TextOutW(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
}

UniqueRegion PaintTicks(const FaceCanvases& c, const TickLayout& layout) {
    switch (layout.style) {
    case kTickCircle3D:
    case kTickSquare3D: {
        const DcPenBrush colours(c.face);
        for (const TickMark& m : layout.marks)
            layout.style == kTickCircle3D ? PaintCircleTick(c.face, colours, m)
                                          : PaintSquareTick(c.face, colours, m);
        return RegionFromRecipe(layout.region);
    }
    default: PaintSimpleTicks(c, layout); return {};
    }
}

void PaintNumerals(const FaceCanvases& c, const NumeralLayout& layout, HFONT font,
                   HFONT narrowFont) {
    const auto pass = [&](int offset, bool shadow) {
        for (const NumeralPlacement& n : layout.numerals) {
            const HFONT f = n.narrowed ? narrowFont : font;
            const std::wstring text = Wide(n.text);
            const Point at{n.topLeft.x + offset, n.topLeft.y + offset};
            DrawTextAt(c.face, f, text, at, shadow ? n.shadowColour : n.colour);
            DrawTextAt(c.shape, f, text, at, kWhite);
        }
    };
    if (layout.shadow) pass(layout.shadowOffset, true);
    pass(0, false);
}

void PaintCaption(const FaceCanvases& c, const CaptionPaint& caption) {
    const int d = caption.shadowOffset;
    const Point at = caption.topLeft;
    const Point shadowAt{at.x + d, at.y + d};
    if (caption.shadow) DrawTextAt(c.face, caption.font, caption.text, shadowAt, caption.shadowColour);
    DrawTextAt(c.face, caption.font, caption.text, at, caption.colour);
    DrawTextAt(c.shape, caption.font, caption.text, at, kWhite);
    if (caption.shadow) DrawTextAt(c.shape, caption.font, caption.text, shadowAt, kWhite);
}

UniqueRegion PaintFrame(HDC face, const FrameDrawing& frame, int width, int height) {
    UniqueRegion region = RegionFromRecipe(frame.region);
    if (!region) return region;
    {
        const ClipGuard clip(face, region.get());
        if (!clip.empty()) {
            const DcPenBrush colours(face);
            colours.Set(frame.fill);
            const RECT all{0, 0, width, height};
            FillRect(face, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
    }
    if (frame.edge) FrameRegion(face, region.get(), *frame.edge);
    return region;
}

UniqueRegion PaintAlarmMarks(HDC face, const AlarmMarksDrawing& marks) {
    const DcPenBrush colours(face);
    const int d = marks.shadowOffset;
    const auto paint = [&](const AlarmMark& m, int offset) {
        if (m.kind == 1) {
            Polygon moved = m.triangle;
            for (Point& p : moved) p = {p.x + offset, p.y + offset};
            DrawPolygon(face, moved);
        } else {
            DrawEllipse(face, Offset(m.dot, offset));
        }
    };
    for (const AlarmMark& m : marks.marks) {
        colours.Set(kBlack);
        paint(m, d);
        colours.Set(kBlack, m.colour);
        paint(m, 0);
    }
    return RegionFromRecipe(marks.region);
}

} // namespace vistrel
