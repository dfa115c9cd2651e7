// The measures of one render that follow from the window size and the style's relative
// lengths: the face radius, centre, shadow offset, tick, numeral and frame radii.
#pragma once

#include "clock/face/face_math.h"

namespace vistrel {

// Window sizes beyond this are held here: nothing larger fits a screen, and it keeps every
// coordinate far from overflow whatever a hand-edited settings file says.
inline constexpr int kMinClockSize = 50;
inline constexpr int kMaxClockSize = 16384;

// The style values that the face measures depend on, in their style units.
struct FaceMeasures {
    int size = 0; // clock edge in pixels
    int client_width = 0, client_height = 0;
    int thick_pos = 0;                   // percent of R
    int thick5_size = 0, thick_size = 0; // per mille of R
    int moji_ban_pos = 0;                // 0..20
    int frame_pos = 0, frame_width = 0;  // percent of R
};

struct FaceMetrics {
    int size = 0;
    int radius = 0;        // R
    Point centre;          // CX, CY
    int shadow_offset = 0; // d, at least 1
    int tick5_half = 0;    // H5
    int tick_half = 0;     // H1
    int tick_ring = 0;     // RT
    int numeral_ring = 0;  // RN
    int frame_radius = 0;  // FR
    int frame_width = 0;   // FW
};

// Values outside the style ranges are first brought into them (size into
// kMinClockSize..kMaxClockSize, the client size into 0..kMaxClockSize).
FaceMetrics ComputeFaceMetrics(const FaceMeasures& m);

// The resolution at which the face's font sizes in points become pixels, whatever the screen's:
// the fonts then keep their proportion to the face, which alone follows the screen's DPI.
inline constexpr int kFaceFontDpi = 96;

// Font sizes in points: nearest(Size / (17 - DateSize)) for the date and time text and
// nearest(Size / (15 - MojiSize)) for the numerals; the size values are held in 0..10 so the
// divisor never reaches zero.
int CaptionFontPoints(int size, int caption_size);
int NumeralFontPoints(int size, int moji_size);
// Character width of the narrowed numeral font: trunc(height / (pitch_width / 10)), pitch_width
// held in 20..50; the height's magnitude is used (fonts may give it negative).
int NarrowCharWidth(int char_height, int pitch_width);

} // namespace vistrel
