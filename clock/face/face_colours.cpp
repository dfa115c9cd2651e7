#include "clock/face/face_colours.h"

#include "clock/face/face_math.h"

namespace vistrel {

namespace {

int Lighter(int v) { return (v + 255) / 2; }
int Darker(int v) { return v / 2; }

// Applies `f` to the red, green and blue bytes and keeps the top byte.
template <typename F> Colour PerChannel(Colour c, F f) {
    Colour out = c & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int v = static_cast<int>((c >> shift) & 0xFFu);
        out |= (static_cast<Colour>(f(v, shift)) & 0xFFu) << shift;
    }
    return out;
}

} // namespace

Colour FlatShade(Colour c, int n) {
    return PerChannel(c, [n](int v, int) {
        v = n <= 1 ? Lighter(v) : Darker(v);
        if (n == 0) v = Lighter(v);
        if (n == 3) v = Darker(v);
        return v;
    });
}

Colour ShadeColour(Colour c, int n, int style) {
    if (style == 1 || style == 4 || style == 7) return FlatShade(c, n);
    if (n == 1) return c;
    return PerChannel(c, [n](int v, int) { return n == 0 ? Lighter(v) : Darker(v); });
}

Colour GradationColour(Colour first, Colour last, int k, int n) {
    if (n == 0) return first;
    return PerChannel(first, [&](int a, int shift) {
        const int b = static_cast<int>((last >> shift) & 0xFFu);
        return a + NearestRatio(static_cast<std::int64_t>(k) * (b - a), n);
    });
}

} // namespace vistrel
