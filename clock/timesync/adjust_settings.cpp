#include "clock/timesync/adjust_settings.h"

namespace vistrel {

AdjustSettings AdjustSettingsFrom(const TOptionItem& o) {
    AdjustSettings a;
    a.server = o.Server;
    a.time_out_s = o.TimeOut;
    a.show_result = o.ShowResult;
    a.only_result_msg = o.OnlyResultMsg;
    a.dial_up.auto_dial = o.AutoDial;
    a.dial_up.auto_hang_up = o.AutoHangUp;
    a.dial_up.error_hang_up = o.ErrorHangUp;
    a.last_date = o.LastDate;
    return a;
}

} // namespace vistrel
