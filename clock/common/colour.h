// Windows colour values: 0x00BBGGRR, red in the low byte. A top byte of 0xFF names a system
// colour by the index in the low byte; the helpers here keep the top byte as it is.
#pragma once

#include <cstdint>

namespace vistrel {

// Signed, because the files hold colours as signed decimal numbers.
using TColor = std::int32_t;

// The low 24 bits inverted, the top byte unchanged.
TColor InvertColour(TColor colour);

// A colour that stands out against the given one: its inverse when two or three of red, green
// and blue are dark (below 100), otherwise black.
TColor ContrastColour(TColor colour);

} // namespace vistrel
