#include "clock/options/about_win.h"

#include <commctrl.h>

#include <array>

#include "clock/common/dialog_win.h"
#include "clock/common/help.h"
#include "clock/common/language_win.h"
#include "clock/common/wide_win.h"
#include "resources/resource.h"
#include "resources/version.rh"

namespace vistrel {

namespace {

class TfrmAbout final : public Dialog {
public:
    explicit TfrmAbout(HWND clock) : Dialog(IDD_ABOUT), clock_(clock) {}
    using Dialog::RunModal;

protected:
    bool OnInit() override {
        FormCreate();
        FormShow();
        return true;
    }
    std::optional<LRESULT> OnNotify(const NMHDR& header) override {
        if (header.idFrom == IDC_ABOUT_LINK &&
            (header.code == NM_CLICK || header.code == NM_RETURN)) {
            ShowHelp(kHelpContents);
            return 0;
        }
        return std::nullopt;
    }

private:
    void FormCreate() {
        std::string version;
        const std::array texts = {
            WindowCaption(Tx::AboutCaption, hwnd()),
            ReplaceInto(Tx::AboutVersion, version),
            ControlText(Tx::AboutNappo, hwnd(), IDC_ABOUT_NAPPO),
            ControlText(Tx::AboutHomepage, hwnd(), IDC_ABOUT_HOMEPAGE),
            ControlText(Tx::AboutOK, hwnd(), IDOK),
        };
        ApplyTexts(texts);
        SetDlgItemTextW(hwnd(), IDC_ABOUT_VERSION,
                        Widen(Fill(version, {VISTREL_VERSION_TEXT})).c_str());
        const std::wstring link = L"<a>" + Widen(AboutLinkAddress()) + L"</a>";
        SetDlgItemTextW(hwnd(), IDC_ABOUT_LINK, link.c_str());
    }
    void FormShow() {
        PlaceNearClockWindow(clock_);
        const bool nappo = FindWindowW(L"TfrmNappo", nullptr) != nullptr;
        ShowWindow(Item(IDC_ABOUT_NAPPO_ICON), nappo ? SW_SHOW : SW_HIDE);
        ShowWindow(Item(IDC_ABOUT_NAPPO), nappo ? SW_SHOW : SW_HIDE);
    }

    HWND clock_;
};

} // namespace

const char* AboutLinkAddress() {
    // Vistrel has no web site: its home is the help shipped beside the program.
    static const std::string address = "help\\" + HelpPageName(kHelpContents);
    return address.c_str();
}

INT_PTR RunAbout(HWND owner, HWND clock_window) {
    TfrmAbout about(clock_window);
    return about.RunModal(owner);
}

} // namespace vistrel
