#include "clock/face/face_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace vistrel {

namespace {

constexpr double kIntMax = static_cast<double>(std::numeric_limits<int>::max());
constexpr double kIntMin = static_cast<double>(std::numeric_limits<int>::min());

int HeldToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// NaN and values beyond the int range, which no face measure can use: 0 and the range's ends.
std::optional<int> OutOfIntRange(double x) {
    if (std::isnan(x)) return 0;
    if (x >= kIntMax) return std::numeric_limits<int>::max();
    if (x <= kIntMin) return std::numeric_limits<int>::min();
    return std::nullopt;
}

int NormalisedDegrees(int angle) {
    const int a = angle % 360;
    return a < 0 ? a + 360 : a;
}

} // namespace

int Nearest(double x) {
    if (const auto held = OutOfIntRange(x)) return *held;
    const double floor = std::floor(x);
    const double fraction = x - floor;
    auto n = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (n & 1) != 0)) ++n;
    return HeldToInt(n);
}

int NearestRatio(std::int64_t num, std::int64_t den) {
    if (den <= 0) return 0;
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) { // floor division
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0)) ++q;
    return HeldToInt(q);
}

int Trunc(double x) {
    if (const auto held = OutOfIntRange(x)) return *held;
    return static_cast<int>(x);
}

int AddAngle(int a, int b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    if (sum < 0) return HeldToInt(sum + 360);
    if (sum > 360) return HeldToInt(sum - 360);
    return static_cast<int>(sum);
}

double SinDegrees(int angle) {
    int a = NormalisedDegrees(angle);
    double sign = 1.0;
    if (a >= 180) { // sin(a + 180) = -sin a
        a -= 180;
        sign = -1.0;
    }
    if (a > 90) a = 180 - a; // sin(180 - a) = sin a
    double v;
    switch (a) {
    case 0: v = 0.0; break;
    case 30: v = 0.5; break;
    case 90: v = 1.0; break;
    default: v = std::sin(a * std::numbers::pi / 180.0); break;
    }
    return sign * v;
}

double CosDegrees(int angle) { return SinDegrees(NormalisedDegrees(angle) + 90); }

int PolarX(int angle, int distance, int cx) {
    return HeldToInt(static_cast<std::int64_t>(cx) + Nearest(SinDegrees(angle) * distance));
}

int PolarY(int angle, int distance, int cy) {
    return HeldToInt(static_cast<std::int64_t>(cy) + Nearest(-CosDegrees(angle) * distance));
}

Point PolarPoint(int angle, int distance, Point base) {
    return {PolarX(angle, distance, base.x), PolarY(angle, distance, base.y)};
}

Point HandPoint(int angle, int offset, int distance, Point base) {
    return PolarPoint(AddAngle(angle, offset), distance, base);
}

int ClampTo(int value, int low, int high) { return std::clamp(value, low, high); }

} // namespace vistrel
