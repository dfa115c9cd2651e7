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
    int size = 0;                       // clock edge in pixels
    int clientWidth = 0, clientHeight = 0;
    int thickPos = 0;                   // percent of R
    int thick5Size = 0, thickSize = 0;  // per mille of R
    int mojiBanPos = 0;                 // 0..20
    int framePos = 0, frameWidth = 0;   // percent of R
};

struct FaceMetrics {
    int size = 0;
    int radius = 0;         // R
    Point centre;           // CX, CY
    int shadowOffset = 0;   // d, at least 1
    int tick5Half = 0;      // H5
    int tickHalf = 0;       // H1
    int tickRing = 0;       // RT
    int numeralRing = 0;    // RN
    int frameRadius = 0;    // FR
    int frameWidth = 0;     // FW
};

// Values outside the style ranges are first brought into them (size into
// kMinClockSize..kMaxClockSize, the client size into 0..kMaxClockSize).
FaceMetrics ComputeFaceMetrics(const FaceMeasures& m);

// Font sizes in points: nearest(Size / (17 - DateSize)) for the date and time text and
// nearest(Size / (15 - MojiSize)) for the numerals; the size values are held in 0..10 so the
// divisor never reaches zero.
int CaptionFontPoints(int size, int captionSize);
int NumeralFontPoints(int size, int mojiSize);
// Character width of the narrowed numeral font: trunc(height / (pitchWidth / 10)), pitchWidth
// held in 20..50; the height's magnitude is used (fonts may give it negative).
int NarrowCharWidth(int charHeight, int pitchWidth);

} // namespace vistrel
