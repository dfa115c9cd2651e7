#include "clock/face/hands.h"

#include <utility>

namespace vistrel {

namespace {

int Held(int v) { return ClampTo(v, 0, kMaxHandMeasure); }

int Degrees0To359(int angle) {
    const int a = angle % 360;
    return a < 0 ? a + 360 : a;
}

bool IsEmptyStyle(int style) { return style == 2 || style == 5 || style == 8; }
bool IsFlatStyle(int style) { return style == 1 || style == 4 || style == 7; }

HandFamily FamilyOf(int style) {
    // 0..8 run through the families in threes, 9..11 are their simple versions.
    const int index = style <= 8 ? style / 3 : style - 9;
    return index == 0 ? HandFamily::Normal : index == 1 ? HandFamily::Square : HandFamily::Diamond;
}

// The hand with every measure inside 0..kMaxHandMeasure and the angle on the dial.
HandSpec Sanitised(const HandSpec& s) {
    HandSpec out = s;
    out.angle = Degrees0To359(s.angle);
    out.long_len = Held(s.long_len);
    out.short_len = Held(s.short_len);
    out.width = Held(s.width);
    return out;
}

void AddFacet(HandDrawing& d, HandPart part, Polygon points, Colour base, int shade, int style) {
    d.clipped_fills.push_back({part, std::move(points), ShadeColour(base, shade, style), shade});
}

// The two halves of the normal and diamond families; the darker half is painted first so that
// the lighter one's edge covers the line along the axis.
void AddHalves(HandDrawing& d, const HandSpec& s, Point centre, Colour base) {
    const Point tip = HandPoint(s.angle, 0, s.long_len, centre);
    const Point tail = HandPoint(s.angle, 180, s.short_len, centre);
    Polygon left, right;
    if (FamilyOf(s.style) == HandFamily::Normal) {
        left = {tip, HandPoint(s.angle, 270, s.width, centre), tail};
        right = {tip, HandPoint(s.angle, 90, s.width, centre), tail};
    } else {
        left = {tip, HandPoint(s.angle, 225, s.width, tip), HandPoint(s.angle, 315, s.width, tail),
                tail};
        right = {tip, HandPoint(s.angle, 135, s.width, tip), HandPoint(s.angle, 45, s.width, tail),
                 tail};
    }
    const HalfShades shades = HalfShadesAt(s.angle);
    if (shades.right > shades.left) {
        AddFacet(d, HandPart::Right, std::move(right), base, shades.right, s.style);
        AddFacet(d, HandPart::Left, std::move(left), base, shades.left, s.style);
    } else {
        AddFacet(d, HandPart::Left, std::move(left), base, shades.left, s.style);
        AddFacet(d, HandPart::Right, std::move(right), base, shades.right, s.style);
    }
}

// Four facets meeting on the axis between P (near the tip) and Q (near the tail).
void AddSquareFacets(HandDrawing& d, const HandSpec& s, Point centre, Colour base) {
    const Point tip = HandPoint(s.angle, 0, s.long_len, centre);
    const Point tail = HandPoint(s.angle, 180, s.short_len, centre);
    const Point p = HandPoint(s.angle, 0, s.long_len - s.width, centre);
    const Point q = HandPoint(s.angle, 180, s.short_len - s.width, centre);
    const Point tl = HandPoint(s.angle, 270, s.width, tip);
    const Point tr = HandPoint(s.angle, 90, s.width, tip);
    const Point bl = HandPoint(s.angle, 270, s.width, tail);
    const Point br = HandPoint(s.angle, 90, s.width, tail);
    const SquareShades shades = SquareShadesAt(s.angle);
    AddFacet(d, HandPart::TipFacet, {tl, tr, p}, base, shades.tip, s.style);
    AddFacet(d, HandPart::Right, {tr, br, q, p}, base, shades.right, s.style);
    AddFacet(d, HandPart::TailFacet, {br, bl, q}, base, shades.tail, s.style);
    AddFacet(d, HandPart::Left, {bl, tl, p, q}, base, shades.left, s.style);
}

OutlineMeasures FlatFaceMeasures(HandFamily family, const HandSpec& s) {
    const int h = s.width / 2;
    switch (family) {
    case HandFamily::Normal: return InnerMeasures(family, s);
    case HandFamily::Square: return {s.long_len - h, s.short_len - h, h};
    case HandFamily::Diamond:
        return {s.long_len - h, s.short_len - h, NearestRatio(6LL * s.width, 10)};
    }
    return {};
}

// Styles 0..11: the family outline (a rim for the empty styles) with facets, a flat face or
// one plain fill.
void DrawFamilyHand(HandDrawing& d, const HandSpec& s, Point centre, Colour base, Colour edge) {
    const HandFamily family = FamilyOf(s.style);
    const OutlineMeasures outer{s.long_len, s.short_len, s.width};
    Polygon outline = HandOutline(family, s.angle, outer, centre);
    d.region.AddPolygon(outline);
    if (IsEmptyStyle(s.style))
        d.region.CutPolygon(HandOutline(family, s.angle, InnerMeasures(family, s), centre));

    if (s.style >= 9) {
        d.clipped_fills.push_back({HandPart::Body, std::move(outline), base, -1});
        d.edge = edge;
        return;
    }
    if (family == HandFamily::Square) AddSquareFacets(d, s, centre, base);
    else AddHalves(d, s, centre, base);
    if (IsFlatStyle(s.style)) {
        d.overlay_fills.push_back(
            {HandPart::FlatFace, HandOutline(family, s.angle, FlatFaceMeasures(family, s), centre),
             base, -1});
    }
}

void DrawArrow(HandDrawing& d, const HandSpec& s, Point centre, Colour base) {
    const int w2 = 2 * s.width;
    const Point tip = HandPoint(s.angle, 0, s.long_len, centre);
    const Point tail = HandPoint(s.angle, 180, s.short_len, centre);
    Polygon head{HandPoint(s.angle, 215, w2, tip), tip, HandPoint(s.angle, 145, w2, tip)};
    // The shaft's region is a sliver; its paint is wider and clipped down to the sliver.
    d.region.AddPolygon(head);
    d.region.AddPolygon({HandPoint(s.angle, 90, -1, tip), HandPoint(s.angle, 90, 0, tip),
                         HandPoint(s.angle, 90, 1, tail), HandPoint(s.angle, 90, 0, tail)});
    d.clipped_fills.push_back({HandPart::ArrowHead, std::move(head), base, -1});
    d.clipped_fills.push_back({HandPart::Shaft,
                               {HandPoint(s.angle, 90, -2, tip), HandPoint(s.angle, 90, 2, tip),
                                HandPoint(s.angle, 90, 2, tail), HandPoint(s.angle, 90, -2, tail)},
                               base,
                               -1});
}

// Triangle (13) and rhombus (14) stand on a base D that falls in front of the centre when
// the tail is shorter than 15 percent of R.
void DrawPointedShape(HandDrawing& d, const HandSpec& s, Point centre, Colour base, int radius) {
    const int base_distance =
        2 * s.short_len - NearestRatio(static_cast<std::int64_t>(radius) * 30, 100);
    const Point tip = HandPoint(s.angle, 0, s.long_len, centre);
    Polygon shape;
    if (s.style == 13) {
        const Point bd = HandPoint(s.angle, 180, base_distance, centre);
        shape = {tip, HandPoint(s.angle, 90, s.width, bd), HandPoint(s.angle, 270, s.width, bd)};
    } else {
        const Point middle = HandPoint(s.angle, 0, (s.long_len - base_distance) / 2, centre);
        shape = {tip, HandPoint(s.angle, 90, s.width, middle),
                 HandPoint(s.angle, 180, base_distance, centre),
                 HandPoint(s.angle, 270, s.width, middle)};
    }
    d.region.AddPolygon(shape);
    d.clipped_fills.push_back({HandPart::Body, std::move(shape), base, -1});
}

} // namespace

HandSpec MakeHandSpec(const FaceMetrics& face, const HandMeasures& hand, int angle) {
    const std::int64_t r = face.radius;
    HandSpec s;
    s.style = hand.style;
    s.angle = angle;
    s.long_len = NearestRatio(r * ClampTo(hand.long_len, 0, 100), 100);
    s.short_len = NearestRatio(r * ClampTo(hand.short_len, 0, 30), 100);
    s.width =
        NearestRatio(r, 100) +
        NearestRatio(static_cast<std::int64_t>(face.size) * ClampTo(hand.needle_w, 0, 100), 1000);
    return s;
}

HandAngles HandAnglesAt(int hour, int minute, int second) {
    hour = ClampTo(hour, 0, 23);
    minute = ClampTo(minute, 0, 59);
    second = ClampTo(second, 0, 59);
    // trunc(hour x 30 + minute x 0.5), with the afternoon folded onto the same dial.
    return {(hour % 12) * 30 + minute / 2, minute * 6, second * 6};
}

HandStyles ChooseHandStyles(int style, bool sep_style, int m_style, int s_style) {
    if (!sep_style) return {style, style, style};
    return {style, m_style, s_style};
}

Polygon HandOutline(HandFamily family, int angle, const OutlineMeasures& m, Point centre) {
    const Point tip = HandPoint(angle, 0, m.long_len, centre);
    const Point tail = HandPoint(angle, 180, m.short_len, centre);
    switch (family) {
    case HandFamily::Normal:
        return {tip, HandPoint(angle, 90, m.side, centre), tail,
                HandPoint(angle, 270, m.side, centre)};
    case HandFamily::Square:
        return {HandPoint(angle, 90, m.side, tip), HandPoint(angle, 270, m.side, tip),
                HandPoint(angle, 270, m.side, tail), HandPoint(angle, 90, m.side, tail)};
    case HandFamily::Diamond:
        return {HandPoint(angle, 225, m.side, tip), tip,  HandPoint(angle, 135, m.side, tip),
                HandPoint(angle, 45, m.side, tail), tail, HandPoint(angle, 315, m.side, tail)};
    }
    return {};
}

OutlineMeasures InnerMeasures(HandFamily family, const HandSpec& s) {
    const int h = s.width / 2;
    switch (family) {
    case HandFamily::Normal:
        return {NearestRatio(7LL * s.long_len, 10), NearestRatio(7LL * s.short_len, 10),
                NearestRatio(7LL * s.width, 10)};
    case HandFamily::Square: return {s.long_len - h, s.short_len - h, h};
    case HandFamily::Diamond:
        return {NearestRatio(9LL * s.long_len, 10), s.short_len - h,
                NearestRatio(6LL * s.width, 10)};
    }
    return {};
}

HalfShades HalfShadesAt(int angle) {
    const int a = Degrees0To359(angle);
    if (a >= 1 && a <= 90) return {0, 3};
    if (a >= 91 && a <= 135) return {1, 2};
    if (a >= 136 && a <= 180) return {2, 1};
    if (a >= 181 && a <= 270) return {3, 0};
    if (a >= 271 && a <= 315) return {2, 1};
    return {1, 2}; // 0 and 316..359 (360 is 0)
}

SquareShades SquareShadesAt(int angle) {
    const int a = Degrees0To359(angle);
    // The light falls from the upper left: facets facing up and left get the lower numbers.
    if (a >= 1 && a <= 90) return {1, 0, 3, 1};
    if (a >= 91 && a <= 135) return {3, 1, 2, 0};
    if (a >= 136 && a <= 180) return {3, 2, 1, 0};
    if (a >= 181 && a <= 270) return {1, 3, 0, 1};
    if (a >= 271 && a <= 315) return {0, 2, 1, 3};
    return {0, 1, 2, 3};
}

HandDrawing DrawHand(const HandSpec& raw, Point centre, Colour base, Colour edge, int radius) {
    HandDrawing d;
    if (raw.style < 0 || raw.style >= kHandStyleCount) return d;
    const HandSpec s = Sanitised(raw);
    if (s.style <= 11) {
        DrawFamilyHand(d, s, centre, base, edge);
        return d;
    }
    if (s.style == 12) DrawArrow(d, s, centre, base);
    else DrawPointedShape(d, s, centre, base, ClampTo(radius, 0, kMaxHandMeasure));
    d.edge = edge;
    return d;
}

} // namespace vistrel
