#include "clock/widgets/anchored_layout_win.h"

namespace vistrel {

namespace {
SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}
} // namespace

void AnchoredLayout::Capture(HWND dialog, const std::vector<AnchoredControl>& controls) {
    dialog_ = dialog;
    client_ = ClientSize(dialog);
    placed_.clear();
    for (const AnchoredControl& c : controls) {
        const HWND control = GetDlgItem(dialog, c.id);
        RECT r{};
        if (!control || !GetWindowRect(control, &r)) continue;
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        placed_.push_back({control, c.anchors, r});
    }
}

void AnchoredLayout::Apply() const {
    if (!dialog_) return;
    const SIZE now = ClientSize(dialog_);
    const int dx = now.cx - client_.cx, dy = now.cy - client_.cy;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(placed_.size()));
    for (const Placed& p : placed_) {
        RECT r = p.rect;
        if (p.anchors & kAnchorRight) OffsetRect(&r, dx, 0);
        if (p.anchors & kAnchorBottom) OffsetRect(&r, 0, dy);
        if (p.anchors & kStretchWidth) r.right += dx;
        if (p.anchors & kStretchHeight) r.bottom += dy;
        const int w = r.right > r.left ? r.right - r.left : 0;
        const int h = r.bottom > r.top ? r.bottom - r.top : 0;
        if (moves) {
            moves = DeferWindowPos(moves, p.control, nullptr, r.left, r.top, w, h,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (moves) EndDeferWindowPos(moves);
    InvalidateRect(dialog_, nullptr, TRUE);
}

} // namespace vistrel
