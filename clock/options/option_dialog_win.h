// The options dialog TfrmOption: a modeless frame with a tab control, OK, Cancel and Help, and
// eleven pages, each a child dialog made from its own template (IDD_OPTION_PAGE0 + page) when
// the frame is created. The frame only routes what its controls say to the OptionsSession,
// which holds the behaviour; the clock is its OptionsHost.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "clock/common/dialog_win.h"
#include "clock/common/reentry_guard.h"
#include "clock/options/option_ids.h"
#include "clock/options/option_texts.h"
#include "clock/options/options_host.h"

namespace vistrel {

inline constexpr int kPointerChoiceCount = 6;

// What the dialog takes from the clock besides the host.
struct OptionsDialogSetup {
    HWND owner = nullptr; // the application window
    HWND clock = nullptr; // the dialog opens beside it
    // The platform, decided once as the dialog is created.
    bool layered_windows = true;                        // translucency
    bool ras = true;                                    // dial-up
    bool deep_colour = true;                            // gradations
    std::array<HCURSOR, kPointerChoiceCount> cursors{}; // the cursor table's 0..5
};

class DialogControlSurface;
class OptionsSession;
class OptionPageWindow;

class TfrmOption final : public Dialog {
public:
    // Creates the dialog with a copy of `live`, turned to `page`, placed and shown. The dialog
    // owns itself: it is gone once the host has heard OptionsClosed. Throws Error when a
    // template cannot be created.
    static TfrmOption* Open(OptionsHost& host, const OptionsDialogSetup& setup,
                            const TOptionItem& live, int page);
    ~TfrmOption() override;

    // Beside the clock, by the one placement rule (every opening).
    void PlaceNearClock();
    // The lock command of the menu has run: the lock check box shows its state.
    void SetLockCheck(bool locked);
    // A shared command's state may have changed: the buttons follow it.
    void RefreshCommands();

    int ActivePage() const;
    void ShowPage(int page);
    HWND PageWindow(int page) const;
    const OptionsSession& Session() const { return *session_; }

    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages.
    bool PreTranslate(const MSG& msg) override;

    // What a page's control said (the pages hand on everything).
    void PageCommand(int id, int code, HWND control);
    void PageScroll(HWND control, int code);

protected:
    bool OnInit() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    void OnFinalMessage() override;

private:
    TfrmOption(OptionsHost& host, const OptionsDialogSetup& setup, const TOptionItem& live,
               int page);
    void CreatePages();
    void LayOutPage(HWND page) const;
    void ChangeFromControl(int code, HWND control);
    // The preview and the shared commands run loops of their own; the dialog stays meanwhile.
    void RunNested(int id);

    OptionsHost& host_;
    OptionsDialogSetup setup_;
    TOptionItem live_;
    int first_page_;
    OptionTexts texts_;
    std::array<std::unique_ptr<OptionPageWindow>, oid::kPageCount> pages_;
    std::unique_ptr<DialogControlSurface> surface_;
    std::unique_ptr<OptionsSession> session_;
    ReentryGuard nested_; // a command's own loop runs: OK, Cancel and the close box are refused
};

} // namespace vistrel
