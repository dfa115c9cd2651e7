// The sticky note: a borderless window shaped as a tab with the alarm's time and a close button
// above a body with the message. Dragged by its tab's caption.
#pragma once

#include <functional>

#include "clock/alarm/alarm_notice_win.h"

namespace vistrel {

class TfrmAlarmFusen final : public AlarmNotice {
public:
    static constexpr const wchar_t* kClassName = L"TfrmAlarmFusen";
    static constexpr int kClientWidth = 371;
    static constexpr int kClientHeight = 132;
    static constexpr int kTabHeight = 25; // the strip at the top
    static constexpr int kTabBevel = 2;   // PnlTab's bevel width
    static constexpr int kTabDesignWidth = 159;
    static constexpr int kButtonPanelWidth = 23;    // PnlButton
    static constexpr int kButtonSize = 19;          // SpeedButton1
    static constexpr int kSnoozeButtonPadding = 10; // "あとで", left of the close button
    static constexpr int kBodyBevel = 2;            // Panel2's bevel width
    static constexpr int kBodyBorder = 3;           // Panel2's border width
    static constexpr int kCloseButtonId = 1;

    static HWND Open(const TAlarmItem& item, int interval, std::weak_ptr<const AlarmHost> host);

    HWND caption() const { return pnlCaption_; }
    HWND close_button() const { return SpeedButton1_; }
    HWND snooze_button() const { return btnSnooze_; }
    int tab_width() const { return tab_width_; }

    // The system's window move runs a modal loop of its own; tests record the hand-over
    // instead (an empty function restores the system's move).
    static void SetDragForTests(std::function<void(HWND)> drag);

private:
    void BeginSystemDrag();
    using AlarmNotice::AlarmNotice;
    void FormCreate();
    void FormShow(int interval);
    void LayoutTab();
    int ButtonPanelWidth() const;
    void SetShape();
    void OnPaint();
    void pnlCaptionMouseDown(POINT p);
    void pnlCaptionMouseMove(WPARAM keys, POINT p);
    bool InCaption(POINT p) const;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    HWND pnlCaption_ = nullptr;
    HWND SpeedButton1_ = nullptr;
    HWND btnSnooze_ = nullptr;
    int snooze_width_ = 0; // its caption's width and padding
    int tab_width_ = kTabDesignWidth;
    POINT pressed_{};
    bool press_pending_ = false;
};

} // namespace vistrel
