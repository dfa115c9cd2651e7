// libFuzzer target: arbitrary bytes as an alarm file. Whatever reads must write and read back
// to the same records; anything else must be refused with the reader's own error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "clock/alarm/alarm_file.h"
#include "clock/alarm/scheduler.h"
#include "clock/common/text_encoding.h"

using namespace vistrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the file version, so both line formats are reached.
    const int ver = data[0] % 3 == 0 ? 60 : (data[0] % 3 == 1 ? 70 : 202);
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    // A Shift-JIS file's text goes back to the very bytes it came from, valid or not.
    if (bytes.substr(0, kUtf8Bom.size()) != kUtf8Bom &&
        EncodeTextFile(DecodeTextFile(bytes)) != bytes) {
        std::abort();
    }
    AlarmList list;
    try {
        ReadAlarmText(bytes, "fuzz.CSV", {ver, "(なし)", "(なし)"}, list);
    } catch (const AlarmFileError&) {
        return 0;
    }
    AlarmList again;
    ReadAlarmText(EncodeTextFile(FormatAlarmText(list)), "again.CSV", {202, "(なし)", "(なし)"},
                  again);
    if (!(again == list)) std::abort();
    // The scheduler must cope with whatever a file can hold: each record fires at most once in
    // a second, so the tick's loop ends, on the caught-up list and on the raw one alike.
    const TDateTime now = EncodeDateTime(2026, 12, 8, 7, 0, 0, 0);
    CatchUpAlarms(list, now);
    for (AlarmList* l : {&list, &again}) {
        const std::size_t most = l->size();
        std::size_t fired = 0;
        while (AlarmProc(*l, now, {}).fired) {
            if (++fired > most) std::abort();
        }
    }
    return 0;
}
