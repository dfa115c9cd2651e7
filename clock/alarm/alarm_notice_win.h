// What the three alarm notification windows share: a copy of the fired record, its colours and
// fonts, the memo, the self-closing timer, and the application window held topmost while any
// of them is shown. Each window frees itself when it closes.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "clock/alarm/alarm_item.h"
#include "clock/common/geometry.h"
#include "clock/common/handles_win.h"
#include "clock/common/window_win.h"

namespace vistrel {

// What a notification needs of the program: the application window, which owns it and is
// put in the topmost layer while a notification is shown (that lifts all of the program's
// windows above other programs'), and whether the clock is to stay on top afterwards. The
// windows hold it weakly: one that closes after the program has let go of it leaves the
// layers alone.
struct AlarmHost {
    HWND app_window = nullptr;
    std::function<void(bool topmost)> set_topmost; // the application window's layer
    std::function<bool()> stay_on_top;             // "常に手前に表示"; none counts as off
    // "あとで": the fired record comes back after the snooze length; none offers no snooze.
    std::function<void(const TAlarmItem&)> snooze;
};

// Milliseconds per minute of the self-closing timer; tests shorten it (0 restores a minute).
void SetAlarmMinuteForTests(unsigned ms);
// Notification windows open now, all kinds together.
int OpenAlarmNotices();

class AlarmNotice : public Window {
public:
    static constexpr UINT_PTR kCloseTimer = 1;
    // The command of "あとで" on every notice (a button or a menu entry), and of closing it.
    static constexpr UINT kSnoozeCommand = 0x7E01;
    static constexpr UINT kCloseCommand = 0x7E02;
    static constexpr int kSnoozeTextNumber = 908;
    static constexpr int kCloseTextNumber = 620;

    // The notification window behind a handle; nothing for any other window.
    static AlarmNotice* FromHandle(HWND hwnd);

    const TAlarmItem& item() const { return item_; }
    HWND memo() const { return memo_; }
    COLORREF back_colour() const { return back_; }
    COLORREF text_colour() const { return text_; }

protected:
    // Runs create, hands the object to its window (which deletes it when closed) and runs
    // show; a failure while showing destroys the window again.
    static HWND OpenOwned(std::unique_ptr<AlarmNotice> form, const std::function<void()>& create,
                          const std::function<void()>& show);
    AlarmNotice(const TAlarmItem& item, std::weak_ptr<const AlarmHost> host);

    HWND Owner() const;
    // "あとで(&S)" and "閉じる(&C)", as the language library has them.
    static std::wstring SnoozeCaption();
    static std::wstring CloseCaption();
    // A menu of "あとで" and "閉じる" for the notices without buttons for both.
    static UniqueMenu NoticeMenu();
    // Tab, Enter, Escape and the buttons' access keys, as in a dialog (Enter is the default
    // button, Escape closes), from the window's showing to its end.
    void UseDialogKeys();
    // Creates the window, which from then on owns this object and frees it at its end. A
    // window that cannot be created throws, and the caller still owns the object.
    void CreateNotice(const wchar_t* class_name, DWORD ex_style, const wchar_t* title, DWORD style,
                      int x, int y, int width, int height);
    // A memo child showing the record's message in the record's colours and font size.
    void CreateMemo(DWORD style, DWORD ex_style, const RECT& r);
    // Closes the window after the given minutes; 0 (or less) keeps it open.
    void StartCloseTimer(int minutes);
    // Shows the window and lifts the program's windows above the others.
    void ShowNotice(int show_command);
    // The window's own font: "ＭＳ Ｐゴシック" at the given size.
    HFONT WindowFont() const { return window_font_.get(); }
    void UseWindowFont(int points, bool bold);
    // The buttons' font: "ＭＳ Ｐゴシック", 9 points, regular.
    HFONT ButtonFont() const { return button_font_.get(); }
    HBRUSH BackBrush() const { return back_brush_.get(); }
    // A 96-DPI measure of the window in pixels on the clock's monitor, where it opens (bevels
    // drawn by the system keep their width).
    int Scaled(int px) const { return Scale(px, dpi_); }

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override;

private:
    LRESULT OnMemoColour(HDC dc);
    void OnDestroy();
    // Hands the record to the host's snooze and closes the window.
    void Snooze();

    TAlarmItem item_;
    std::weak_ptr<const AlarmHost> host_;
    int dpi_;
    COLORREF back_;
    COLORREF text_;
    UniqueBrush back_brush_;
    UniqueFont memo_font_;
    UniqueFont window_font_;
    UniqueFont button_font_;
    HWND memo_ = nullptr;
    bool self_owned_ = false;
    bool shown_ = false;
    bool dialog_keys_ = false;
};

// "ＭＳ Ｐゴシック" in the Shift-JIS character set at a point size, on a screen of `dpi` (0: the
// clock's monitor).
UniqueFont CreateAlarmFont(int points, bool bold, int dpi = 0);
// Width and height of a text in a font.
SIZE MeasureText(HFONT font, const std::wstring& text);
// The top left corner that centres a window of the given size on the clock's monitor.
POINT ScreenCentre(int width, int height);

} // namespace vistrel
