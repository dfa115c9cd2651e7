// Colour arithmetic of the face. Colours are 0x00BBGGRR; a top byte of 0xFF names a system
// colour. Every rule works on the three low bytes and keeps the top byte as it was.
#pragma once

#include <cstdint>

namespace vistrel {

using Colour = std::uint32_t;

// The shades of the flat hand styles and the bevels of the 3D ticks: n = 0 much lighter,
// 1 lighter, 2 darker, 3 much darker.
Colour FlatShade(Colour c, int n);
// The facet colour of hand style `style`: the flat styles use FlatShade; the others take
// n = 0 lighter, 1 the colour itself, 2 and 3 darker.
Colour ShadeColour(Colour c, int n, int style);
// Item k of n steps from `first` to `last`, channel by channel (signed difference, sum kept
// in 8 bits); the top byte is first's. With no steps the first colour stands.
Colour GradationColour(Colour first, Colour last, int k, int n);

inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;

} // namespace vistrel
