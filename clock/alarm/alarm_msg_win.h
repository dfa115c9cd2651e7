// The normal alarm window: the message in a read-only memo under a title with the alarm's date
// and time, and below it "あとで" (the default button) and "閉じる".
#pragma once

#include "clock/alarm/alarm_notice_win.h"

namespace vistrel {

class TfrmAlarmMsg final : public AlarmNotice {
public:
    static constexpr const wchar_t* kClassName = L"TfrmAlarmMsg";
    static constexpr int kWidth = 367; // outer size, with the button bar below the message
    static constexpr int kHeight = 112 + 31;
    static constexpr int kBarHeight = 31; // "あとで" and "閉じる" under the memo
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;

    // Creates and shows the window; it closes after `interval` minutes (0: when closed by
    // hand) and frees itself.
    static HWND Open(const TAlarmItem& item, int interval, std::weak_ptr<const AlarmHost> host);

private:
    using AlarmNotice::AlarmNotice;
    void FormCreate();
    void FormShow(int interval);
    void FitMemo();
    void CreateButtons();
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    HWND btnSnooze_ = nullptr;
    HWND btnClose_ = nullptr;
};

} // namespace vistrel
