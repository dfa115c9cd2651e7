#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "clock/alarm/alarm_board_win.h"
#include "clock/alarm/alarm_fusen_win.h"
#include "clock/alarm/alarm_msg_win.h"
#include "clock/alarm/missed_alarms_win.h"
#include "clock/alarm/show_alarm_window_win.h"
#include "clock/common/colour.h"
#include "clock/common/handles_win.h"
#include "clock/common/vocabulary.h"
#include "clock/common/wide_win.h"
#include "clock/common/window_win.h"
#include "support/fake_string_source.h"
#include "support/pump_win.h"
#include "support/test_windows_win.h"

using namespace vistrel;
using test_support::PumpUntil;

namespace {

constexpr COLORREF kYellowish = RGB(200, 200, 50); // black text
constexpr COLORREF kBlue = RGB(20, 30, 200);       // text (235, 225, 55)

using test_support::PumpFor;
using test_support::TextOf;

// A stand-in for the application window, with the stay-on-top flag of the clock. One for all
// the tests: a closing notification hands the activation to its owner, and destroying an active
// window costs Wine two seconds without a window manager.
class AlarmWindowsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        app_window_ = new test_support::StandInWindow(0, 0, 1, 1, L"app", true);
        app_ = app_window_->get();
    }
    static void TearDownTestSuite() { delete app_window_; }

    void SetUp() override {
        InitVocabulary();
        ASSERT_NE(app_, nullptr);
        host = std::make_shared<AlarmHost>();
        host->app_window = app_;
        host->set_topmost = [this](bool topmost) { layers.push_back(topmost); };
        host->stay_on_top = [this] { return stay_on_top; };
        gdi_before = LiveGdiObjects();
    }
    void TearDown() override { SetAlarmMinuteForTests(0); }

    static TAlarmItem Record(const char* message, COLORREF colour, int font_size = 12) {
        TAlarmItem item;
        item.next_time = EncodeDateTime(2026, 12, 8, 7, 5, 0, 0);
        item.message = message;
        item.colour = colour;
        item.font_size = font_size;
        return item;
    }

    HWND app() const { return app_; }
    // The application window is in the topmost layer: its last request was to be.
    bool AppTopmost() const { return !layers.empty() && layers.back(); }

    std::shared_ptr<AlarmHost> host;
    std::vector<bool> layers; // the layer requests for the application window
    bool stay_on_top = false;
    long gdi_before = 0;

private:
    static inline test_support::StandInWindow* app_window_ = nullptr;
    static inline HWND app_ = nullptr;
};

COLORREF PixelOf(HWND hwnd, int x, int y) {
    UpdateWindow(hwnd);
    const WindowDc dc(hwnd);
    return GetPixel(dc.get(), x, y);
}

} // namespace

// --- the normal window

TEST_F(AlarmWindowsTest, NormalWindowShowsTheRecordAndClosesAfterItsInterval) {
    SetAlarmMinuteForTests(200);
    const HWND w = TfrmAlarmMsg::Open(Record("会議の時間です", kYellowish), 1, host);
    ASSERT_TRUE(IsWindow(w));
    EXPECT_EQ(TextOf(w), "2026/12/08 07時 05分 - Vistrel");
    EXPECT_EQ(GetWindow(w, GW_OWNER), app());
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, 367);
    EXPECT_EQ(r.bottom - r.top, TfrmAlarmMsg::kHeight);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 367) / 2);
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);

    const AlarmNotice* notice = AlarmNotice::FromHandle(w);
    ASSERT_NE(notice, nullptr);
    const HWND memo = notice->memo();
    EXPECT_EQ(TextOf(memo), "\r\n会議の時間です");
    EXPECT_TRUE(GetWindowLongPtrW(memo, GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongPtrW(memo, GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(notice->text_colour(), RGB(0, 0, 0));
    RECT client;
    GetClientRect(memo, &client);
    EXPECT_EQ(PixelOf(memo, client.right - 3, client.bottom - 3), kYellowish);
    // The memo's font: the record's size, bold.
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(Narrow(font.lfFaceName), "ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    // The text keeps clear of the edges (a Japanese font alone would give it no margin).
    const LRESULT margins = SendMessageW(memo, EM_GETMARGINS, 0, 0);
    EXPECT_GT(LOWORD(margins), 1);
    EXPECT_EQ(LOWORD(margins), HIWORD(margins));

    EXPECT_TRUE(AppTopmost());
    EXPECT_EQ(OpenAlarmNotices(), 1);
    PumpFor(50);
    EXPECT_TRUE(IsWindow(w)) << "closed before its interval";
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(w); }, 3000));
    EXPECT_FALSE(AppTopmost());
    EXPECT_EQ(OpenAlarmNotices(), 0);
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST_F(AlarmWindowsTest, IntervalZeroStaysUntilClosedByHand) {
    SetAlarmMinuteForTests(20);
    const HWND w = TfrmAlarmMsg::Open(Record("x", kBlue), 0, host);
    EXPECT_EQ(AlarmNotice::FromHandle(w)->text_colour(), RGB(235, 225, 55));
    PumpFor(150);
    ASSERT_TRUE(IsWindow(w));
    SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(AppTopmost());
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST_F(AlarmWindowsTest, StayOnTopKeepsTheProgramTopmostAfterClosing) {
    stay_on_top = true;
    const HWND w = TfrmAlarmMsg::Open(Record("x", kBlue), 0, host);
    SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_EQ(layers, std::vector<bool>{true});
}

TEST_F(AlarmWindowsTest, ProgramStaysTopmostUntilTheLastNotificationCloses) {
    const HWND first = TfrmAlarmMsg::Open(Record("one", kBlue), 0, host);
    const HWND second = TfrmAlarmFusen::Open(Record("two", kBlue), 0, host);
    SendMessageW(first, WM_CLOSE, 0, 0);
    EXPECT_TRUE(AppTopmost()) << "the second window fell behind other programs";
    DestroyWindow(second);
    EXPECT_EQ(layers, (std::vector<bool>{true, true, false}));
}

TEST_F(AlarmWindowsTest, WindowClosingAfterTheProgramLetGoLeavesTheLayersAlone) {
    const HWND w = TfrmAlarmMsg::Open(Record("x", kBlue), 0, host);
    host.reset(); // the clock window has gone
    SendMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(OpenAlarmNotices(), 0);
    EXPECT_EQ(layers, std::vector<bool>{true});
}

// --- the sticky note

TEST_F(AlarmWindowsTest, StickyNoteHasItsTabShapeCaptionAndColours) {
    const HWND w = TfrmAlarmFusen::Open(Record("付箋のメモ", kBlue, 9), 0, host);
    auto* note = static_cast<TfrmAlarmFusen*>(AlarmNotice::FromHandle(w));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(TextOf(note->caption()), "07時 05分");
    EXPECT_EQ(TextOf(note->memo()), "\r\n付箋のメモ");
    EXPECT_FALSE(GetWindowLongPtrW(note->memo(), GWL_STYLE) & ES_READONLY);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 371);
    EXPECT_EQ(client.bottom, 132);

    // The tab is as wide as its caption, "あとで", the button panel and the bevels.
    const int caption_width = MeasureText(CreateAlarmFont(9, false).get(), L"07時 05分").cx;
    RECT snooze;
    GetWindowRect(note->snooze_button(), &snooze);
    EXPECT_EQ(note->tab_width(), caption_width + (snooze.right - snooze.left) + 23 + 8);
    UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(w, shape.get()), ERROR);
    EXPECT_TRUE(PtInRegion(shape.get(), 2, 2));                       // tab
    EXPECT_TRUE(PtInRegion(shape.get(), note->tab_width() - 1, 24));  // tab's corner
    EXPECT_FALSE(PtInRegion(shape.get(), note->tab_width() + 1, 10)); // beside the tab
    EXPECT_TRUE(PtInRegion(shape.get(), 370, 30));                    // body
    EXPECT_TRUE(PtInRegion(shape.get(), 0, 131));
    EXPECT_FALSE(PtInRegion(shape.get(), 371, 131));
    shape.reset();

    RECT memo_rect;
    GetClientRect(note->memo(), &memo_rect);
    EXPECT_EQ(PixelOf(note->memo(), memo_rect.right - 3, memo_rect.bottom - 3), kBlue);
    EXPECT_TRUE(AppTopmost());

    SendMessageW(note->close_button(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(AppTopmost());
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST_F(AlarmWindowsTest, StickyNoteClosesAfterItsInterval) {
    SetAlarmMinuteForTests(30);
    const HWND w = TfrmAlarmFusen::Open(Record("x", kBlue), 2, host);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(w); }, 3000));
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST_F(AlarmWindowsTest, StickyNoteIsDraggedByItsCaptionOnly) {
    std::vector<HWND> drags;
    TfrmAlarmFusen::SetDragForTests([&](HWND h) { drags.push_back(h); });
    const HWND w = TfrmAlarmFusen::Open(Record("x", kBlue), 0, host);
    auto* note = static_cast<TfrmAlarmFusen*>(AlarmNotice::FromHandle(w));
    RECT cap;
    GetWindowRect(note->caption(), &cap);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&cap), 2);
    const LPARAM on_caption = MAKELPARAM(cap.left + 3, cap.top + 3);

    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, on_caption);
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, on_caption); // not moved yet
    EXPECT_TRUE(drags.empty());
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(cap.left + 6, cap.top + 3));
    EXPECT_EQ(drags, std::vector<HWND>{w});
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(cap.left + 9, cap.top + 3));
    EXPECT_EQ(drags.size(), 1u) << "the press is spent by the first drag";

    // A press on the body or a move without the button drags nothing.
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 30));
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(220, 40));
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, on_caption);
    SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(cap.left + 20, cap.top + 3));
    EXPECT_EQ(drags.size(), 1u);
    TfrmAlarmFusen::SetDragForTests({});
    DestroyWindow(w);
}

// --- the board

namespace {
BoardPlace ClockAt(int left, int top, int size, bool caption_above = false) {
    return {{left, top, left + size, top + size}, caption_above};
}
TfrmAlarmBoard* BoardOf(HWND w) { return static_cast<TfrmAlarmBoard*>(AlarmNotice::FromHandle(w)); }
} // namespace

TEST_F(AlarmWindowsTest, BoardLiesAcrossTheClockBelowItsCaption) {
    const TAlarmItem item = Record("掲示板のお知らせ", kYellowish, 14);
    for (const bool above : {false, true}) {
        const HWND w = TfrmAlarmBoard::Open(item, 2, 2, ClockAt(300, 200, 160, above), host);
        TfrmAlarmBoard* board = BoardOf(w);
        ASSERT_NE(board, nullptr);
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, 300);
        EXPECT_EQ(r.right - r.left, 160);
        EXPECT_EQ(r.top, above ? 200 + 100 : 200 + 40); // 160 / 100 * 63 = 100.8
        const SIZE text =
            MeasureText(CreateAlarmFont(14, true).get(), L"07時 05分 掲示板のお知らせ ");
        EXPECT_EQ(r.bottom - r.top, text.cy + 2 * (1 + 2) + 4);
        EXPECT_EQ(board->image_size().cx, 160 - 6);
        EXPECT_EQ(board->scroll().text_width(), text.cx);
        EXPECT_EQ(board->interval_ms(), 100);
        EXPECT_TRUE(AppTopmost());
        DestroyWindow(w);
    }
    EXPECT_FALSE(AppTopmost());
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST_F(AlarmWindowsTest, BoardScrollsItsTextAndClosesAfterItsPasses) {
    const HWND w = TfrmAlarmBoard::Open(Record("abc", kBlue, 9), 2, 1, ClockAt(0, 0, 120), host);
    TfrmAlarmBoard* board = BoardOf(w);
    const int width = board->image_size().cx;
    EXPECT_EQ(board->scroll().x(), width);
    // Nothing drawn yet: the image is all background.
    EXPECT_EQ(board->ImagePixel(width - 2, board->image_size().cy / 2), kBlue);

    SendMessageW(w, WM_TIMER, TfrmAlarmBoard::kScrollTimer, 0);
    EXPECT_EQ(board->scroll().x(), width - 3); // speed 1: 3 pixels a tick
    for (int i = 0; i < 10; ++i) SendMessageW(w, WM_TIMER, TfrmAlarmBoard::kScrollTimer, 0);
    EXPECT_EQ(board->scroll().x(), width - 33);
    // The text has come in from the right, in the text colour.
    bool text_seen = false;
    for (int x = width - 33; x < width && !text_seen; ++x) {
        for (int y = 0; y < board->image_size().cy; ++y) {
            if (board->ImagePixel(x, y) == RGB(235, 225, 55)) text_seen = true;
        }
    }
    EXPECT_TRUE(text_seen);

    // Two passes of image width + text width at 3 pixels a tick, then it closes.
    const int per_pass = (width + board->scroll().text_width() + 2) / 3;
    int ticks = 11;
    while (IsWindow(w) && ticks < 3 * per_pass) {
        SendMessageW(w, WM_TIMER, TfrmAlarmBoard::kScrollTimer, 0);
        ++ticks;
    }
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(ticks, 2 * per_pass);
    EXPECT_FALSE(AppTopmost());
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST_F(AlarmWindowsTest, BoardRunsOnItsOwnTimer) {
    const HWND w = TfrmAlarmBoard::Open(Record("abc", kBlue, 9), 0, 1, ClockAt(0, 0, 120), host);
    const int start = BoardOf(w)->scroll().x();
    PumpFor(300);
    ASSERT_TRUE(IsWindow(w));
    EXPECT_LT(BoardOf(w)->scroll().x(), start);
    DestroyWindow(w);
}

TEST_F(AlarmWindowsTest, BoardMenuClosesItAndTakesTheLanguageLibrarysText) {
    {
        const HWND w = TfrmAlarmBoard::Open(Record("x", kBlue), 0, 2, ClockAt(0, 0, 120), host);
        wchar_t text[64] = {};
        GetMenuStringW(BoardOf(w)->popup_menu(), TfrmAlarmBoard::kCloseItem, text, 64,
                       MF_BYCOMMAND);
        EXPECT_EQ(Narrow(text), "閉じる(&C)");
        SendMessageW(w, WM_COMMAND, TfrmAlarmBoard::kCloseItem, 0);
        EXPECT_FALSE(IsWindow(w));
    }
    test::ScopedLanguageLibrary library({{620, "Close(&C)"}});
    const HWND w = TfrmAlarmBoard::Open(Record("x", kBlue), 0, 2, ClockAt(0, 0, 120), host);
    wchar_t text[64] = {};
    GetMenuStringW(BoardOf(w)->popup_menu(), TfrmAlarmBoard::kCloseItem, text, 64, MF_BYCOMMAND);
    EXPECT_EQ(Narrow(text), "Close(&C)");
    DestroyWindow(w);
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

// "あとで" on each of the three windows: the record goes to the host's snooze, the window
// closes, and the caption is the language library's where it has one.
TEST_F(AlarmWindowsTest, EachNoticeSnoozesItsRecordAndCloses) {
    std::vector<TAlarmItem> snoozed;
    host->snooze = [&](const TAlarmItem& item) { snoozed.push_back(item); };
    test::ScopedLanguageLibrary library({{908, "Snooze(&S)"}});
    struct Case {
        const char* name;
        HWND (*open)(const TAlarmItem&, std::weak_ptr<const AlarmHost>);
        std::string (*caption)(HWND);
        void (*snooze)(HWND);
    };
    const auto button_text = [](HWND w) {
        return TextOf(GetDlgItem(w, AlarmNotice::kSnoozeCommand));
    };
    const auto click = [](HWND w) {
        SendMessageW(GetDlgItem(w, AlarmNotice::kSnoozeCommand), BM_CLICK, 0, 0);
    };
    const Case cases[] = {
        {"normal",
         [](const TAlarmItem& i, std::weak_ptr<const AlarmHost> h) {
             return TfrmAlarmMsg::Open(i, 0, std::move(h));
         },
         button_text, click},
        {"sticky note",
         [](const TAlarmItem& i, std::weak_ptr<const AlarmHost> h) {
             return TfrmAlarmFusen::Open(i, 0, std::move(h));
         },
         button_text, click},
        {"board",
         [](const TAlarmItem& i, std::weak_ptr<const AlarmHost> h) {
             return TfrmAlarmBoard::Open(i, 0, 2, ClockAt(0, 0, 120), std::move(h));
         },
         [](HWND w) {
             wchar_t text[64] = {};
             GetMenuStringW(BoardOf(w)->popup_menu(), AlarmNotice::kSnoozeCommand, text, 64,
                            MF_BYCOMMAND);
             return Narrow(text);
         },
         [](HWND w) { SendMessageW(w, WM_COMMAND, AlarmNotice::kSnoozeCommand, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        snoozed.clear();
        const HWND w = c.open(Record(c.name, kBlue), host);
        ASSERT_TRUE(IsWindow(w));
        EXPECT_EQ(c.caption(w), "Snooze(&S)");
        c.snooze(w);
        EXPECT_FALSE(IsWindow(w));
        ASSERT_EQ(snoozed.size(), 1u);
        EXPECT_EQ(snoozed[0].message, c.name);
        EXPECT_EQ(OpenAlarmNotices(), 0);
    }
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

// The message of these notices takes the focus but no typing: Escape there closes the notice,
// through the program's own message loop as a key press arrives.
TEST_F(AlarmWindowsTest, EscapeInAReadOnlyMessageClosesTheNotice) {
    using Open = HWND (*)(const TAlarmItem&, std::weak_ptr<const AlarmHost>);
    const std::pair<const char*, Open> cases[] = {
        {"normal",
         [](const TAlarmItem& i, std::weak_ptr<const AlarmHost> h) {
             return TfrmAlarmMsg::Open(i, 0, std::move(h));
         }},
        {"missed alarms",
         [](const TAlarmItem& i, std::weak_ptr<const AlarmHost> h) {
             return TfrmMissedAlarms::Open({{i, i.next_time}}, std::move(h));
         }},
    };
    for (const auto& [name, open] : cases) {
        SCOPED_TRACE(name);
        const HWND w = open(Record(name, kBlue), host);
        ASSERT_TRUE(IsWindow(w));
        const HWND memo = AlarmNotice::FromHandle(w)->memo();
        SetFocus(memo);
        PostMessageW(memo, WM_KEYDOWN, VK_ESCAPE, 1);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(w); }, 1000));
        if (IsWindow(w)) DestroyWindow(w);
    }
    EXPECT_EQ(OpenAlarmNotices(), 0);
}

TEST_F(AlarmWindowsTest, BoardFollowsTheMouseWithTheLeftButtonHeld) {
    const HWND w = TfrmAlarmBoard::Open(Record("x", kBlue), 0, 2, ClockAt(100, 100, 120), host);
    RECT before;
    GetWindowRect(w, &before);
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 8)); // no press: no move
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 8));
    RECT after;
    GetWindowRect(w, &after);
    EXPECT_EQ(after.left - before.left, 20);
    EXPECT_EQ(after.top - before.top, 3);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(30, 8));
    SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 8));
    RECT released;
    GetWindowRect(w, &released);
    EXPECT_EQ(released.left, after.left);
    DestroyWindow(w);
}

// --- the announcement

TEST_F(AlarmWindowsTest, AnnouncementOpensTheChosenWindowBeforeTheEffect) {
    struct Case {
        AlarmWindow kind;
        const wchar_t* class_name;
    };
    const Case cases[] = {{AlarmWindow::Normal, TfrmAlarmMsg::kClassName},
                          {AlarmWindow::Simple, TfrmAlarmFusen::kClassName},
                          {AlarmWindow::Board, TfrmAlarmBoard::kClassName}};
    for (const Case& c : cases) {
        std::vector<AlarmEffect> effects;
        int open_during_effect = 0;
        AlarmShowContext context{host, ClockAt(0, 0, 120), [&](AlarmEffect e) {
                                     effects.push_back(e);
                                     open_during_effect = OpenAlarmNotices();
                                 }};
        const AlarmAnnouncement a{Record("x", kBlue), c.kind, AlarmEffect::Shake};
        const HWND w = ShowAlarmWindow(a, {}, context);
        ASSERT_TRUE(IsWindow(w));
        wchar_t name[64] = {};
        GetClassNameW(w, name, 64);
        EXPECT_STREQ(name, c.class_name);
        EXPECT_EQ(effects, std::vector<AlarmEffect>{AlarmEffect::Shake});
        EXPECT_EQ(open_during_effect, 1) << "the effect ran before the window was shown";
        DestroyWindow(w);
    }
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST_F(AlarmWindowsTest, EmptyMessageOpensNoWindowButTheEffectRuns) {
    std::vector<AlarmEffect> effects;
    const AlarmShowContext context{host, {}, [&](AlarmEffect e) { effects.push_back(e); }};
    EXPECT_EQ(
        ShowAlarmWindow({Record("", kBlue), AlarmWindow::None, AlarmEffect::Flash}, {}, context),
        nullptr);
    EXPECT_EQ(OpenAlarmWindow(AlarmWindow::Normal, Record("", kBlue), {}, context), nullptr);
    EXPECT_EQ(effects, std::vector<AlarmEffect>{AlarmEffect::Flash});
    EXPECT_EQ(OpenAlarmNotices(), 0);
    EXPECT_FALSE(AppTopmost());
}
