// Stored colours as the system draws them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vistrel {

// 0x00BBGGRR as it is; 0xFF0000nn, a reference to system colour nn, as that colour's value now.
COLORREF ToColorRef(std::uint32_t colour);

} // namespace vistrel
