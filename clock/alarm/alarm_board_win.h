// The board: a strip across the clock in which the alarm's time and message scroll from right
// to left, pass after pass, until it has run the given number of passes or is closed from its
// pop-up menu.
#pragma once

#include <optional>

#include "clock/alarm/alarm_notice_layout.h"
#include "clock/alarm/alarm_notice_win.h"

namespace vistrel {

// Where the board goes: across the clock window, below the face's caption.
struct BoardPlace {
    RECT clock{};               // the clock window's rectangle on the screen
    bool caption_above = false; // the face draws its caption text above the centre
};

class TfrmAlarmBoard final : public AlarmNotice {
public:
    static constexpr const wchar_t* kClassName = L"TfrmAlarmBoard";
    static constexpr int kClientWidth = 229;
    static constexpr int kClientHeight = 60;
    static constexpr int kBevel = 1;  // Panel2's lowered inner bevel
    static constexpr int kBorder = 2; // Panel2's border width
    static constexpr UINT_PTR kScrollTimer = 2;
    static constexpr UINT kCloseItem = 1; // mnuClose
    static constexpr int kCloseTextNumber = 620;

    // Creates and shows the board; it closes after `times` passes (0: from its menu only) and
    // frees itself. `speed` is "Speed", 1 (fastest) to 6.
    static HWND Open(const TAlarmItem& item, int times, int speed, const BoardPlace& place,
                     std::weak_ptr<const AlarmHost> host);

    const BoardScroll& scroll() const { return *scroll_; }
    int interval_ms() const { return speed_.interval_ms; }
    HMENU popup_menu() const { return PopupMenu1_.get(); }
    SIZE image_size() const { return image_size_; }
    COLORREF ImagePixel(int x, int y) const { return GetPixel(image_dc_.get(), x, y); }

private:
    TfrmAlarmBoard(const TAlarmItem& item, int times, int speed,
                   std::weak_ptr<const AlarmHost> host);
    void FormCreate();
    void FormShow(const BoardPlace& place);
    void MakeImage();
    void Present() const;
    void OnPaint();
    void Timer1Timer();
    void OnRightButtonDown(POINT p);
    void OnKeyboardMenu();
    void ShowMenuAt(POINT p);
    void OnMouseMove(WPARAM keys, POINT p);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    int times_;
    BoardSpeed speed_;
    std::wstring text_;
    std::optional<BoardScroll> scroll_;
    UniqueMenu PopupMenu1_;
    // The image's bitmap outlives the memory DC it is selected into.
    UniqueBitmap image_;
    UniqueMemoryDc image_dc_;
    SIZE image_size_{};
    POINT pressed_{};
    bool dragging_ = false;
};

} // namespace vistrel
