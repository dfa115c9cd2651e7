// Icons as the tests compare them: by their pixels, wherever they were loaded from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vistrel::test_support {

// The icon's colour pixels (top row first, 0xAARRGGBB) followed by its mask's; empty for no icon.
std::vector<std::uint32_t> IconPixels(HICON icon);
// The pixels of icon `id` at size x size as a program beside the test program carries it,
// read from that file's resources; empty when the file or the icon is missing.
std::vector<std::uint32_t> ProgramIconPixels(const wchar_t* program, int id, int size);

} // namespace vistrel::test_support
