// The normal alarm window: the message in a read-only memo under a title with the alarm's date
// and time.
#pragma once

#include "clock/alarm/alarm_notice_win.h"

namespace vistrel {

class TfrmAlarmMsg final : public AlarmNotice {
public:
    static constexpr const wchar_t* kClassName = L"TfrmAlarmMsg";
    static constexpr int kWidth = 367; // outer size
    static constexpr int kHeight = 112;

    // Creates and shows the window; it closes after `interval` minutes (0: when closed by
    // hand) and frees itself.
    static HWND Open(const TAlarmItem& item, int interval, std::weak_ptr<const AlarmHost> host);

private:
    using AlarmNotice::AlarmNotice;
    void FormCreate();
    void FormShow(int interval);
    void FitMemo();
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

} // namespace vistrel
