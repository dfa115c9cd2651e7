#include "clock/face/face_frame.h"

#include <algorithm>

namespace vistrel {

namespace {

// trunc(r / 0.93): an octagon with its corners there has its sides at about r.
int OctagonCornerDistance(int r) {
    return static_cast<int>(static_cast<std::int64_t>(r) * 100 / 93);
}

} // namespace

Polygon OctagonPoints(Point centre, int distance) {
    Polygon p;
    for (const int angle : {23, 67, 113, 157, 203, 247, 293, 337})
        p.push_back(PolarPoint(angle, distance, centre));
    return p;
}

FrameDrawing DrawFrame(const FaceMetrics& face, const FrameStyleValues& v) {
    FrameDrawing d;
    d.fill = v.fill;
    if (!v.show) return d;
    const int fr = face.frame_radius;
    const int fi = std::max(0, fr - face.frame_width);
    const int cx = face.centre.x, cy = face.centre.y;
    switch (v.style) {
    case kFrameCircle:
        d.region.AddEllipse({cx - fr, cy - fr, cx + fr + 1, cy + fr + 1});
        d.region.CutEllipse({cx - fi, cy - fi, cx + fi + 1, cy + fi + 1});
        break;
    case kFrameSquare:
        d.region.AddRect({cx - fr, cy - fr, cx + fr, cy + fr});
        d.region.CutRect({cx - fi, cy - fi, cx + fi, cy + fi});
        break;
    case kFrameOctagon:
        d.region.AddPolygon(OctagonPoints(face.centre, OctagonCornerDistance(fr)));
        d.region.CutPolygon(
            OctagonPoints(face.centre, std::max(0, OctagonCornerDistance(fr - face.frame_width))));
        break;
    default: return d;
    }
    if (v.fill != v.edge_colour) d.edge = v.edge_colour;
    return d;
}

} // namespace vistrel
