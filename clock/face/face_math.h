// The arithmetic of the clock face: rounding, angles and points on circles around a centre.
// Angles are whole degrees clockwise from 12 o'clock; y grows downwards as on the screen.
#pragma once

#include <cstdint>

#include "clock/common/geometry.h"

namespace vistrel {

// The integer nearest to x, exact halves going to the even neighbour. NaN gives 0 and values
// beyond the int range are held at its ends, so hostile style values cannot cause overflow.
int Nearest(double x);
// nearest(num / den) computed exactly in integers, so that true halves are recognised as
// halves (0.7 x 5 is 3.5, not 3.4999...). den must be positive.
int NearestRatio(std::int64_t num, std::int64_t den);
// Drops the fraction, held at the ends of the int range like Nearest.
int Trunc(double x);

// a + b brought back once into the circle: +360 when negative, -360 when above 360 (360 stays).
int AddAngle(int a, int b);
// Sine and cosine of whole degrees; exact at the multiples of 30 and 90 degrees so that mirror
// images on the dial (1 and 11 o'clock, 2 and 4 o'clock) round to mirror images.
double SinDegrees(int angle);
double CosDegrees(int angle);

int PolarX(int angle, int distance, int cx);
int PolarY(int angle, int distance, int cy);
// The point `distance` away from `base` in the direction `angle`.
Point PolarPoint(int angle, int distance, Point base);
// The point at (offset, distance) relative to a hand pointing at `angle`, seen from `base`.
Point HandPoint(int angle, int offset, int distance, Point base);

// Keeps a style value inside the range that the style editor offers.
int ClampTo(int value, int low, int high);

} // namespace vistrel
