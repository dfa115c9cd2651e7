#include "clock/common/dialog_win.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/message_box_win.h"
#include "clock/common/message_loop_win.h"
#include "data/test_dialogs.h"
#include "support/pump_win.h"
#include "support/test_windows_win.h"

using namespace vistrel;
using test_support::PumpUntil;

namespace {

constexpr UINT_PTR kSafetyTimer = 77;
constexpr UINT_PTR kProbeTimer = 78;

// A dialog that records what reaches it. A modal run always ends: a safety timer ends it after
// a few seconds, so that a failing test never blocks.
class ProbeDialog : public Dialog {
public:
    ProbeDialog() : Dialog(IDD_TEST_DIALOG) {}
    using Dialog::CreateModeless;
    using Dialog::End;
    using Dialog::RunModal;

    std::vector<std::string> events;
    std::function<void(ProbeDialog&)> on_probe;
    HWND box_owner = nullptr;

protected:
    bool OnInit() override {
        events.push_back("init");
        SetTimer(hwnd(), kSafetyTimer, 5000, nullptr);
        // A timer, not a posted message: a modal dialog shows itself once its loop is idle.
        SetTimer(hwnd(), kProbeTimer, 10, nullptr);
        return true;
    }
    void OnOK() override { events.push_back("ok"), End(IDOK); }
    void OnCancel() override { events.push_back("cancel"), End(IDCANCEL); }
    void OnCommand(int id, int, HWND) override {
        if (id == IDC_TEST_BUTTON) throw std::runtime_error("button failed");
    }
    std::optional<INT_PTR> OnMessage(UINT msg, WPARAM wp, LPARAM) override {
        if (msg == WM_TIMER && wp == kSafetyTimer) End(-2);
        if (msg != WM_TIMER || wp != kProbeTimer) return std::nullopt;
        if (!IsWindowVisible(hwnd())) return TRUE; // shown once its loop is idle
        KillTimer(hwnd(), kProbeTimer);
        box_owner = MessageBoxOwner();
        if (on_probe) on_probe(*this);
        return TRUE;
    }
};

class Page : public Dialog {
public:
    Page() : Dialog(IDD_TEST_PAGE) {}
    using Dialog::CreateChild;
};

// The owner of the dialogs: a closing dialog hands the activation to it (destroying an active
// window without an owner costs Wine two seconds when there is no window manager).
class DialogBase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        owner_ = new test_support::StandInWindow(0, 0, 1, 1, L"app", true);
    }
    static void TearDownTestSuite() { delete owner_; }
    static HWND Owner() { return owner_->get(); }

private:
    static inline test_support::StandInWindow* owner_ = nullptr;
};

void PostKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

} // namespace

TEST_F(DialogBase, ModalRunEndsByEscapeAndOwnsItsMessageBoxes) {
    ProbeDialog dialog;
    dialog.on_probe = [](ProbeDialog& d) {
        SetFocus(d.Item(IDC_TEST_FIRST));
        PostKey(d.Item(IDC_TEST_FIRST), VK_ESCAPE);
    };
    HWND seen = nullptr;
    const auto probe = dialog.on_probe;
    dialog.on_probe = [&](ProbeDialog& d) {
        seen = d.hwnd();
        probe(d);
    };
    EXPECT_EQ(dialog.RunModal(Owner()), IDCANCEL);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "cancel"}));
    EXPECT_EQ(dialog.box_owner, seen) << "a box raised from the dialog is owned by it";
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST_F(DialogBase, ModelessDialogGetsTabAndEscapeThroughDispatchOne) {
    ProbeDialog dialog;
    dialog.CreateModeless(Owner());
    ShowWindow(dialog.hwnd(), SW_SHOW);
    SetForegroundWindow(dialog.hwnd());
    SetFocus(dialog.Item(IDC_TEST_FIRST));
    ASSERT_EQ(GetFocus(), dialog.Item(IDC_TEST_FIRST));

    PostKey(dialog.Item(IDC_TEST_FIRST), VK_TAB);
    test_support::PumpFor(50);
    EXPECT_EQ(GetFocus(), dialog.Item(IDC_TEST_SECOND)) << "Tab moves to the next control";

    PostKey(dialog.Item(IDC_TEST_SECOND), VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return dialog.hwnd() == nullptr; }, 2000));
    EXPECT_EQ(dialog.events.back(), "cancel");
}

TEST_F(DialogBase, AnExceptionInAHandlerReachesTheErrorBoxAndTheDialogLives) {
    std::vector<std::string> boxes;
    SetMessageBoxAnswererForTests([&](const MessageBoxCall& call) {
        boxes.push_back(call.text);
        return MsgResult::Ok;
    });
    ProbeDialog dialog;
    dialog.CreateModeless(Owner());
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.Item(IDC_TEST_BUTTON)));
    SetMessageBoxAnswererForTests({});
    EXPECT_EQ(boxes, (std::vector<std::string>{"button failed"}));
    EXPECT_TRUE(IsWindow(dialog.hwnd()));
    // The close box counts as Cancel by default.
    SendMessageW(dialog.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.hwnd(), nullptr);
    EXPECT_EQ(dialog.events.back(), "cancel");
}

TEST_F(DialogBase, PagesLiveInsideTheirDialog) {
    ProbeDialog dialog;
    dialog.CreateModeless(Owner());
    Page page;
    page.CreateChild(dialog.hwnd());
    EXPECT_EQ(GetParent(page.hwnd()), dialog.hwnd());
    EXPECT_NE(page.Item(IDC_TEST_CHECK), nullptr);
    EXPECT_EQ(Dialog::FromHandle(page.hwnd()), &page);
    EXPECT_EQ(Dialog::FromHandle(dialog.Item(IDC_TEST_FIRST)), nullptr);
    dialog.End(IDOK);
    EXPECT_EQ(page.hwnd(), nullptr) << "the page goes with its dialog";
}

TEST_F(DialogBase, OpeningAndClosingLeavesNothingBehind) {
    const long gdi_before = LiveGdiObjects();
    const int windows_before = test_support::ThreadWindowCount();
    for (int i = 0; i < 100; ++i) {
        ProbeDialog modeless;
        modeless.CreateModeless(Owner());
        modeless.End(IDOK);
        ProbeDialog modal;
        modal.on_probe = [](ProbeDialog& d) { d.End(IDOK); };
        ASSERT_EQ(modal.RunModal(Owner()), IDOK);
    }
    test_support::PumpFor(20);
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
    EXPECT_EQ(test_support::ThreadWindowCount(), windows_before);
}
