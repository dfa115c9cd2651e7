// The notice of missed alarms: a window in the style of the normal alarm window, listing each
// alarm whose time passed unseen with its due time and message. It plays nothing and runs
// nothing; it closes by hand.
#pragma once

#include "clock/alarm/alarm_notice_win.h"
#include "clock/alarm/scheduler.h"

namespace vistrel {

class TfrmMissedAlarms final : public AlarmNotice {
public:
    static constexpr const wchar_t* kClassName = L"TfrmMissedAlarms";

    // Creates and shows the window (nothing for an empty list); it frees itself when closed.
    static HWND Open(const MissedAlarms& missed, std::weak_ptr<const AlarmHost> host);

private:
    using AlarmNotice::AlarmNotice;
    void FormCreate(const std::string& title, std::size_t lines);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

} // namespace vistrel
