// Arbitrary bytes as a settings or style file: reading must never crash, hang or overflow, a
// file read and saved unchanged must come back byte for byte (whatever its encoding), and
// writing the style over whatever was read must keep every value the reader saw.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "clock/common/error.h"
#include "clock/face/style_file.h"
#include "clock/face/style_limits.h"
#include "clock/settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vistrel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini("fuzz.ini", bytes);
    if (!ini.LoadFailed() && ini.Bytes() != bytes) std::abort();
    TOptionItem style;
    ReadStyle(ini, style, 202);
    ClampedForDrawing(style);
    ini.ReadColor("Color", "ColorH", 0);
    ini.ReadBool("Common", "MultiUser", true);

    try {
        WriteStyle(ini, style);
    } catch (const Error&) {
        // Only a file that could not be read (too large, an encoding not taken) may refuse.
        if (!ini.LoadFailed()) std::abort();
        return 0;
    }
    TOptionItem back;
    ReadStyle(IniFile("fuzz.ini", ini.Bytes()), back, 202);
    if (!(back == style)) std::abort();
    return 0;
}
