// Arbitrary bytes as a settings or style file: reading must never crash, hang or overflow, a
// file read and saved unchanged must come back byte for byte (whatever its encoding), every
// measure read is within its range and what is computed from it does not overflow, and
// writing the style over whatever was read must keep every value the reader saw.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "clock/common/error.h"
#include "clock/face/style_file.h"
#include "clock/face/style_limits.h"
#include "clock/app/window_geometry.h"
#include "clock/settings/ini_file.h"
#include "clock/settings/settings_file.h"
#include "clock/settings/value_ranges.h"
#include "clock/timesync/adjust_settings.h"

namespace {

void CheckRanges(const vistrel::TOptionItem& o) {
    for (const vistrel::ValueRange& r : vistrel::ValueRanges()) {
        if (r.clamped && (o.*r.field < r.low || o.*r.field > r.high)) std::abort();
    }
}

// The settings reader and the uses of its numbers that could overflow.
void ReadAsSettings(const vistrel::IniFile& ini) {
    using namespace vistrel;
    TOptionItem o;
    WindowSettings w;
    ReadSettings(ini, {"", 1920, true, {}}, o, w);
    CheckRanges(o);
    const long long wait_ms = AdjustSettingsFrom(o).time_out_s * 1000;
    if (wait_ms <= 0) std::abort();
    const Offset away = MoveAway(Rect::Sized(0, 0, 133, 133), 66, 10, o.EscapeSpeed);
    if (away.dy <= 0) std::abort(); // away from the cursor, never toward it
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vistrel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini("fuzz.ini", bytes);
    if (!ini.LoadFailed() && ini.Bytes() != bytes) std::abort();
    TOptionItem style;
    ReadStyle(ini, style, 202);
    CheckRanges(style);
    ClampedForDrawing(style);
    ReadAsSettings(ini);
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
