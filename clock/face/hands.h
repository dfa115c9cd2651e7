// The clock hands as geometry: for each of the fifteen hand styles, the region the hand adds
// to the window's outline and the polygons to paint, with their colours and painting order.
// The GDI layer only executes what is described here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "clock/face/face_colours.h"
#include "clock/face/face_math.h"
#include "clock/face/face_metrics.h"
#include "clock/face/region_recipe.h"

namespace vistrel {

inline constexpr int kHandStyleCount = 15;
// Lengths and widths beyond this are held here; it is far outside any window.
inline constexpr int kMaxHandMeasure = 4 * kMaxClockSize;

struct HandSpec {
    std::int32_t style = 0;     // 0..14; anything else draws nothing
    std::int32_t angle = 0;     // degrees clockwise from 12 o'clock
    std::int32_t long_len = 0;  // centre to tip, pixels
    std::int32_t short_len = 0; // centre to tail end, pixels
    std::int32_t width = 0;     // pixels
};

// One hand's style values: its style number, lengths in percent of R, width in style units.
struct HandMeasures {
    int style = 0;
    int long_len = 0;  // 0..100
    int short_len = 0; // 0..30
    int needle_w = 0;  // 0..100
};

HandSpec MakeHandSpec(const FaceMetrics& face, const HandMeasures& hand, int angle);

struct HandAngles {
    int hour = 0, minute = 0, second = 0;
};
// The angles of the three hands at a time of day (hour 0..23).
HandAngles HandAnglesAt(int hour, int minute, int second);

struct HandStyles {
    int hour = 0, minute = 0, second = 0;
};
// With separate styles off, every hand takes the one style.
HandStyles ChooseHandStyles(int style, bool sep_style, int m_style, int s_style);

enum class HandFamily { Normal, Square, Diamond };
struct OutlineMeasures {
    int long_len = 0, short_len = 0, side = 0;
};
// The outline polygon of a family (kite, rectangle or pointed bar) around `centre`.
Polygon HandOutline(HandFamily family, int angle, const OutlineMeasures& m, Point centre);
// The reduced measures of the see-through middle of the empty styles.
OutlineMeasures InnerMeasures(HandFamily family, const HandSpec& hand_spec);

// What a painted polygon is, so that a reader of the plan can find a facet.
enum class HandPart { Left, Right, TipFacet, TailFacet, FlatFace, Body, ArrowHead, Shaft };

struct HandFill {
    HandPart part = HandPart::Body;
    Polygon points; // filled with pen and brush in `colour`
    Colour colour = 0;
    int shade = -1; // the shade number 0..3 of a facet, -1 otherwise
};

struct HandDrawing {
    RegionRecipe region;                 // joins the window outline
    std::vector<HandFill> clipped_fills; // painted in order, clipped to `region`
    std::vector<HandFill> overlay_fills; // painted in order afterwards, not clipped
    std::optional<Colour> edge;          // one-pixel line along the region's boundary
    bool IsEmpty() const { return region.parts.empty(); }
};

// The complete drawing of one hand around `centre` with base colour `base` and edge colour
// `edge`. Negative measures count as 0 and huge ones are held at kMaxHandMeasure.
HandDrawing DrawHand(const HandSpec& hand_spec, Point centre, Colour base, Colour edge, int radius);

// The shade numbers of the two halves of the normal and diamond families at an angle.
struct HalfShades {
    int left = 0, right = 0;
};
HalfShades HalfShadesAt(int angle);
// The shade numbers of the four facets of the square family at an angle.
struct SquareShades {
    int tip = 0, left = 0, right = 0, tail = 0;
};
SquareShades SquareShadesAt(int angle);

} // namespace vistrel
