// RenderClock: draws the whole clock face from scratch into FaceBitmap and builds the window's
// outline at the same time. The outline reaches the window either as its region or, for a
// layered window, as a colour key painted around the drawn parts. One FacePainter belongs to the
// clock window; it keeps the two images, the fonts and the texts between renders.
//
// Typical use by the window:
//   FaceRequest req = ...;             // size, FaceTimeAt(Now()), alarms, flags
//   painter.RenderClock(hwnd, options, req);   // draws, hands the outline over, shows it
//   ...WM_PAINT: painter.PaintTo(dc);
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "clock/common/handles_win.h"
#include "clock/face/dib_canvas_win.h"
#include "clock/face/face_metrics.h"
#include "clock/face/face_request.h"
#include "clock/face/font_cache_win.h"
#include "clock/face/glyph_fallback_win.h"
#include "clock/face/layer_guards.h"
#include "clock/face/shape_scan.h"
#include "clock/settings/option_item.h"

namespace vistrel {

struct FaceResult {
    bool rendered = false; // false: minimised, or a render was already running
    UniqueRegion shape;    // the outline; none when nothing reached it
};

// The cursor in the window's client coordinates, for the see-through hole.
Point CursorInClient(HWND window);

class FacePainter {
public:
    FacePainter();

    // Draws the face (steps up to the hole) and returns the outline; does not touch a window.
    // An error while preparing the texts or images is thrown to the caller; errors of the
    // layers, the scan and the hole are reported by their guards and the render goes on.
    FaceResult Render(const TOptionItem& options, const FaceRequest& request);
    // Gives the outline to the window and copies the face to it. As a region, the window owns
    // the outline from then on (none shows the whole square); with a shape key, everything
    // outside it is painted in the key colour.
    void HandOver(HWND window, UniqueRegion shape);
    // A layered window keyed on this colour takes its outline from the picture: changing it
    // costs no region change in the system. None (the default): the outline is the region.
    void SetShapeKey(std::optional<COLORREF> key) { shape_key_ = key; }
    // Render and HandOver; returns whether anything was drawn.
    bool RenderClock(HWND window, const TOptionItem& options, const FaceRequest& request);
    // The paint handler: copies the face to the window's DC at (0, 0).
    void PaintTo(HDC dc) const;

    // The tick must stop while a guard's message box is up: opening is called before the box
    // and closed after it.
    void SetBoxHooks(LayerGuards::BoxHooks hooks) { guards_.SetBoxHooks(std::move(hooks)); }

    bool Painting() const { return painting_; }
    bool DateSide() const { return date_side_; }
    bool TimeSide() const { return time_side_; }
    const std::string& DateText() const { return date_text_; }
    const std::string& TimeText() const { return time_text_; }
    // The outline last handed over; as a region, the window owns it.
    HRGN WindowShape() const { return shape_key_ ? keyed_shape_.get() : window_shape_; }
    const DibCanvas& FaceBitmap() const { return face_; }
    const DibCanvas& ShapeBitmap() const { return shape_; }
    const LayerGuards& Guards() const { return guards_; }
    // The measures of the last render.
    const FaceMetrics& Metrics() const { return metrics_; }

    // Test seams: called inside each guard before its step (a test may throw from it); the
    // colour FaceBitmap starts from (black in the program; a test picks one no layer uses, to
    // tell black paint from the background).
    void SetStepHookForTests(std::function<void(FaceGuard)> hook) { step_hook_ = std::move(hook); }
    void SetBackgroundForTests(Colour c) { background_ = c; }

private:
    struct Frame; // the values of one render
    void DrawLayer(int code, const Frame& f, UniqueRegion& shape);
    void DrawHands(const Frame& f, UniqueRegion& shape);
    void DrawTicks(const Frame& f, UniqueRegion& shape);
    void DrawNumerals(const Frame& f);
    void DrawCaption(const Frame& f, bool time);
    void DrawFrame(const Frame& f, UniqueRegion& shape);
    void DrawAlarmMarks(const Frame& f, UniqueRegion& shape);
    UniqueRegion ScanShape();
    void ClearImages(int size);
    void Guarded(FaceGuard guard, const std::function<void()>& step);

    DibCanvas face_{32};
    DibCanvas shape_{8};
    FontCache fonts_;
    GlyphFallback glyphs_;
    LayerGuards guards_;
    RunList runs_;
    std::vector<RECT> region_buffer_;
    FaceMetrics metrics_;
    HRGN window_shape_ = nullptr;
    std::optional<COLORREF> shape_key_;
    UniqueRegion keyed_shape_;
    bool painting_ = false;
    bool date_side_ = true;
    bool time_side_ = false;
    std::string date_text_, time_text_;
    Colour background_ = kBlack;
    std::function<void(FaceGuard)> step_hook_;
};

} // namespace vistrel
