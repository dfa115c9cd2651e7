#include "clock/face/face_painter_win.h"

#include <float.h>

#include <exception>

#include "clock/common/error.h"
#include "clock/common/wide_win.h"
#include "clock/face/colour_key_win.h"
#include "clock/face/face_captions.h"
#include "clock/face/face_layer_paint_win.h"
#include "clock/face/face_layers.h"
#include "clock/face/face_texts.h"
#include "clock/face/gdi_paint_win.h"
#include "clock/face/hand_painter_win.h"
#include "clock/face/region_ops_win.h"
#include "clock/face/style_limits.h"

namespace vistrel {

struct FacePainter::Frame {
    const TOptionItem& o; // the style brought into drawable ranges
    const FaceRequest& request;
    FaceMetrics metrics;
    bool gradations; // the screen shows enough colours for them
    TextCanvas& face_text;
    TextCanvas& shape_text;
};

namespace {

class ClearOnExit {
public:
    explicit ClearOnExit(bool& flag) : flag_(flag) {}
    ~ClearOnExit() { flag_ = false; }
    ClearOnExit(const ClearOnExit&) = delete;
    ClearOnExit& operator=(const ClearOnExit&) = delete;

private:
    bool& flag_;
};

FaceGuard GuardOf(FaceLayer layer) {
    switch (layer) {
    case FaceLayer::AlarmMarks: return FaceGuard::AlarmMarks;
    case FaceLayer::Hands: return FaceGuard::Hands;
    case FaceLayer::Ticks: return FaceGuard::Ticks;
    case FaceLayer::Numerals: return FaceGuard::Numerals;
    case FaceLayer::Date: return FaceGuard::Date;
    case FaceLayer::Frame: return FaceGuard::Frame;
    case FaceLayer::Time: return FaceGuard::Time;
    }
    return FaceGuard::Hands;
}

FaceMeasures MeasuresOf(const TOptionItem& o, const FaceRequest& r) {
    FaceMeasures m;
    m.size = r.size;
    m.client_width = r.client_width > 0 ? r.client_width : r.size;
    m.client_height = r.client_height > 0 ? r.client_height : r.size;
    m.thick_pos = o.ThickPos;
    m.thick5_size = o.Thick5Size;
    m.thick_size = o.ThickSize;
    m.moji_ban_pos = o.MojiBanPos;
    m.frame_pos = o.FramePos;
    m.frame_width = o.FrameWidth;
    return m;
}

Colour C(TColor c) { return static_cast<Colour>(c); }

} // namespace

Point CursorInClient(HWND window) {
    POINT p{};
    if (!GetCursorPos(&p) || !ScreenToClient(window, &p))
        throw Error("Cannot read the cursor position");
    return {p.x, p.y};
}

FacePainter::FacePainter() = default;

FaceResult FacePainter::Render(const TOptionItem& options, const FaceRequest& request) {
    FaceResult result;
    if (request.minimized || painting_) return result;
    painting_ = true;
    const ClearOnExit clear(painting_);

    const TOptionItem o = ClampedForDrawing(options);
    TextCanvas face_text(face_.dc()), shape_text(shape_.dc());
    const Frame f{o,
                  request,
                  ComputeFaceMetrics(MeasuresOf(o, request)),
                  request.screen.bits_per_pixel >= 16,
                  face_text,
                  shape_text};
    metrics_ = f.metrics;
    date_side_ = DateSideFor(o.DateCharPos, request.time.hour, date_side_);
    time_side_ = TimeSideFor(o.TimeCharPos, date_side_, time_side_);
    date_text_ =
        FormatDateText(request.time.now, o.DateCharForm, o.WeekType, request.weekday_after_date);
    if (auto t = FormatTimeText(request.time.now, o.TimeCharForm)) time_text_ = std::move(*t);
    ClearImages(f.metrics.size);

    UniqueRegion shape;
    try {
        const std::vector<FaceLayer> stack =
            LayerStack(std::vector<int>(o.DSPOrder.begin(), o.DSPOrder.end()));
        for (const FaceLayer layer : stack) {
            if (request.reset_fpu) _fpreset();
            Guarded(GuardOf(layer), [&] { DrawLayer(static_cast<int>(layer), f, shape); });
        }
        if (request.reset_fpu) _fpreset();
        if (o.MojiBan || o.DateChar || o.MajorThick || o.TimeChar)
            Guarded(FaceGuard::ShapeScan, [&] { UnionInto(shape, ScanShape()); });
        if (request.hole_active)
            Guarded(FaceGuard::Hole, [&] {
                CutFrom(shape, EllipseRegion(HoleBox(request.cursor, f.metrics.size, o.HoleSize)));
            });
    } catch (const std::exception& e) {
        guards_.ReportUnknown(e.what());
    }
    GdiFlush();
    result.rendered = true;
    result.shape = std::move(shape);
    return result;
}

void FacePainter::HandOver(HWND window, UniqueRegion shape) {
    if (shape_key_) {
        KeyOutside(face_, shape.get(), *shape_key_);
        keyed_shape_ = std::move(shape);
    } else if (SetWindowRgn(window, shape.get(), FALSE)) {
        // No redraw by the system: the whole face is copied to the window right after.
        window_shape_ = shape.release();
    }
    const WindowDc dc(window);
    if (dc.get()) PaintTo(dc.get());
}

bool FacePainter::RenderClock(HWND window, const TOptionItem& options, const FaceRequest& request) {
    FaceResult result = Render(options, request);
    if (!result.rendered) return false;
    HandOver(window, std::move(result.shape));
    return true;
}

void FacePainter::PaintTo(HDC dc) const {
    if (!face_.bitmap()) return;
    BitBlt(dc, 0, 0, face_.width(), face_.height(), face_.dc(), 0, 0, SRCCOPY);
}

void FacePainter::Guarded(FaceGuard guard, const std::function<void()>& step) {
    guards_.Run(guard, [&] {
        if (step_hook_) step_hook_(guard);
        step();
    });
}

void FacePainter::ClearImages(int size) {
    face_.Resize(size, size);
    shape_.Resize(size, size);
    shape_.Fill(0);
    if (background_ == kBlack) {
        face_.Fill(0);
        return;
    }
    const DcPenBrush colours(face_.dc());
    colours.Set(background_);
    PatBlt(face_.dc(), 0, 0, size, size, PATCOPY);
}

void FacePainter::DrawLayer(int code, const Frame& f, UniqueRegion& shape) {
    switch (static_cast<FaceLayer>(code)) {
    case FaceLayer::AlarmMarks: DrawAlarmMarks(f, shape); break;
    case FaceLayer::Hands: DrawHands(f, shape); break;
    case FaceLayer::Ticks: DrawTicks(f, shape); break;
    case FaceLayer::Numerals: DrawNumerals(f); break;
    case FaceLayer::Date: DrawCaption(f, false); break;
    case FaceLayer::Frame: DrawFrame(f, shape); break;
    case FaceLayer::Time: DrawCaption(f, true); break;
    }
}

void FacePainter::DrawHands(const Frame& f, UniqueRegion& shape) {
    const TOptionItem& o = f.o;
    const HandStyles styles = ChooseHandStyles(o.NeedleStyle, o.SepStyle, o.MStyle, o.SStyle);
    const HandAngles& a = f.request.time.angles;
    struct One {
        HandMeasures measures;
        int angle;
        TColor colour, edge;
    };
    std::vector<One> hands{
        {{styles.hour, o.HLongLen, o.HShortLen, o.HNeedleW}, a.hour, o.ColorH, o.ColorHF},
        {{styles.minute, o.MLongLen, o.MShortLen, o.MNeedleW}, a.minute, o.ColorM, o.ColorMF},
    };
    if (o.SNeedle)
        hands.push_back(
            {{styles.second, o.SLongLen, o.SShortLen, o.SNeedleW}, a.second, o.ColorS, o.ColorSF});
    for (const One& h : hands) {
        const HandSpec hand_spec = MakeHandSpec(f.metrics, h.measures, h.angle);
        const HandDrawing drawing =
            DrawHand(hand_spec, f.metrics.centre, C(h.colour), C(h.edge), f.metrics.radius);
        // Each hand joins the outline at once: a later hand's failure keeps the earlier ones.
        UnionInto(shape, PaintHand(face_.dc(), drawing));
    }
}

void FacePainter::DrawTicks(const Frame& f, UniqueRegion& shape) {
    const TOptionItem& o = f.o;
    TickStyleValues v;
    v.major_thick = o.MajorThick;
    v.minor_thick = o.MinorThick;
    v.thick_style = o.ThickStyle;
    v.gradation = o.ThickGuradeshon && f.gradations;
    v.color5 = C(o.Color5);
    v.color52 = C(o.Color52);
    v.color_t = C(o.ColorT);
    v.color_t2 = C(o.ColorT2);
    v.color_change = o.ColorChange;
    v.color_thick_change = C(o.ColorThickChange);
    v.current_second = f.request.time.second;
    if (!v.major_thick) return;
    // An unknown style code draws nothing rather than some other style.
    if (o.ThickStyle < 0 || o.ThickStyle > 3) return;
    UnionInto(shape, PaintTicks(face_, shape_.dc(), LayoutTicks(f.metrics, v)));
}

void FacePainter::DrawNumerals(const Frame& f) {
    const TOptionItem& o = f.o;
    if (!o.MojiBan) return;
    NumeralStyleValues v;
    v.show = true;
    v.all = o.MojiBanAll;
    v.type = o.MojiBanType;
    v.pitch = o.MojiBanPitch;
    v.shadow = o.MojiBanShadow;
    v.gradation = o.MojiBanGuradeshon && f.gradations;
    v.first = C(o.ColorB1);
    v.last = C(o.ColorB2);
    v.shadow_first = C(o.ColorBS1);
    v.shadow_last = C(o.ColorBS2);
    v.hour = f.request.time.hour;

    // All twelve in one face, the style's or the first that has every one of them.
    std::wstring numerals;
    for (int n = 1; n <= 12; ++n) numerals += Widen(NumeralText(v.type, n, v.hour));
    FontSpec font_spec{
        glyphs_.FaceFor(o.MojiBanFont, numerals),
        FontHeightForPoints(NumeralFontPoints(f.metrics.size, o.MojiSize), kFaceFontDpi), 0,
        o.MojiBanBold, o.MojiBanItalic};
    FontSpec narrow_spec = font_spec;
    narrow_spec.width = NarrowCharWidth(font_spec.height, o.MojiBanPitchWidth);
    // Fetch both before measuring: the cache keeps them alive for the rest of the layer.
    const HFONT font = fonts_.Get(font_spec);
    const HFONT narrow = o.MojiBanPitch ? fonts_.Get(narrow_spec) : font;
    const NumeralLayout layout =
        LayoutNumerals(f.metrics, v, [&](const std::string& text, bool narrowed) {
            return f.face_text.Measure(narrowed ? narrow : font, Widen(text));
        });
    PaintNumerals(f.face_text, f.shape_text, layout, font, narrow);
}

void FacePainter::DrawCaption(const Frame& f, bool time) {
    const TOptionItem& o = f.o;
    if (time ? !o.TimeChar : !o.DateChar) return;
    CaptionPaint c;
    c.text = Widen(time ? time_text_ : date_text_);
    const FontSpec font_spec{
        glyphs_.FaceFor(time ? o.TimeCharFont : o.DateCharFont, c.text),
        FontHeightForPoints(CaptionFontPoints(f.metrics.size, time ? o.TimeSize : o.DateSize),
                            kFaceFontDpi),
        0, time ? o.TimeCharBold : o.DateCharBold, time ? o.TimeCharItalic : o.DateCharItalic};
    c.font = fonts_.Get(font_spec);
    const TextExtent extent = f.face_text.Measure(c.font, c.text);
    c.top_left = CaptionTopLeft(f.metrics, extent, time ? o.TimeCharInOut : o.DateCharInOut,
                                time ? time_side_ : date_side_);
    c.shadow_offset = f.metrics.shadow_offset;
    c.shadow = time ? o.TimeCharShadow : o.DateCharShadow;
    c.colour = C(time ? o.ColorTime : o.ColorD);
    c.shadow_colour = C(time ? o.ColorTimeS : o.ColorDS);
    PaintCaption(f.face_text, f.shape_text, c);
}

void FacePainter::DrawFrame(const Frame& f, UniqueRegion& shape) {
    const TOptionItem& o = f.o;
    const FrameDrawing drawing = vistrel::DrawFrame(
        f.metrics, {o.FrameShow, o.FrameStyle, C(o.ColorFrame), C(o.ColorFrameE)});
    UnionInto(shape, PaintFrame(face_.dc(), drawing, face_.width(), face_.height()));
}

void FacePainter::DrawAlarmMarks(const Frame& f, UniqueRegion& shape) {
    const TOptionItem& o = f.o;
    const AlarmMarkSettings s{o.AlarmUse, o.Join, o.MRange, o.HRange};
    const AlarmMarksDrawing drawing =
        vistrel::DrawAlarmMarks(f.metrics, s, f.request.alarms, f.request.time.now);
    UnionInto(shape, PaintAlarmMarks(face_.dc(), drawing));
}

UniqueRegion FacePainter::ScanShape() {
    GdiFlush();
    const MaskView mask{shape_.Row(0), shape_.width(), shape_.height(), shape_.stride()};
    ScanMaskRuns(mask, runs_);
    return RegionFromRuns(runs_, region_buffer_);
}

} // namespace vistrel
