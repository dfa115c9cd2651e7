#include "clock/options/option_dialog_win.h"

#include <commctrl.h>

#include "clock/common/clock_source.h"
#include "clock/common/error.h"
#include "clock/common/shell_services.h"
#include "clock/common/wide_win.h"
#include "clock/options/dialog_control_surface_win.h"
#include "clock/options/option_page_setup_win.h"
#include "clock/options/option_pages.h"
#include "clock/options/options_session.h"
#include "clock/options/pointer_panel_win.h"
#include "clock/options/screen_fonts_win.h"
#include "clock/options/server_list.h"
#include "resources/resource.h"

namespace vistrel {

// A page: a child dialog that hands every notification of its controls to the frame.
class OptionPageWindow final : public Dialog {
public:
    OptionPageWindow(int page, TfrmOption& frame)
        : Dialog(IDD_OPTION_PAGE0 + page), frame_(frame) {}
    void Create(HWND parent) { CreateChild(parent); }

protected:
    bool OnInit() override { return false; }
    // Enter and Escape belong to the frame.
    void OnOK() override { SendMessageW(frame_.hwnd(), WM_COMMAND, IDOK, 0); }
    void OnCancel() override { SendMessageW(frame_.hwnd(), WM_COMMAND, IDCANCEL, 0); }
    void OnCommand(int id, int code, HWND control) override {
        frame_.PageCommand(id, code, control);
    }
    std::optional<INT_PTR> OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_HSCROLL) {
            frame_.PageScroll(reinterpret_cast<HWND>(lp), LOWORD(wp));
            return TRUE;
        }
        if (msg == WM_DRAWITEM && DrawPointerPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)))
            return TRUE;
        return std::nullopt;
    }

private:
    TfrmOption& frame_;
};

namespace {

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t found[64] = {};
    GetClassNameW(hwnd, found, static_cast<int>(std::size(found)));
    return _wcsicmp(found, name) == 0;
}

// An editable combo box tells of a chosen entry before its edit shows it: the edit gets the
// entry first, so that reading the box gives what was chosen.
void ShowChosenEntry(HWND combo) {
    if ((GetWindowLongW(combo, GWL_STYLE) & 3) != CBS_DROPDOWN) return;
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return;
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    SetWindowTextW(combo, text.c_str());
}

// The lists known only when the dialog is created: the server list and the screen's fonts,
// enumerated once for the three font boxes.
RuntimeLists ListsKnownAtRunTime() {
    RuntimeLists lists = FontBoxEntries(ScreenFontList());
    lists[oid::cmbNTPServer] = ServerList();
    return lists;
}

} // namespace

TfrmOption::TfrmOption(OptionsHost& host, const OptionsDialogSetup& setup, const TOptionItem& live,
                       int page)
    : Dialog(IDD_OPTION), host_(host), setup_(setup), live_(live), first_page_(page) {}

TfrmOption::~TfrmOption() = default;

TfrmOption* TfrmOption::Open(OptionsHost& host, const OptionsDialogSetup& setup,
                             const TOptionItem& live, int page) {
    auto dialog = std::unique_ptr<TfrmOption>(new TfrmOption(host, setup, live, page));
    dialog->CreateModeless(setup.owner);
    TfrmOption* open = dialog.release(); // the window owns it from here on
    if (!open->session_) {
        DestroyWindow(open->hwnd());
        throw Error("the options dialog cannot be created");
    }
    open->PlaceNearClock();
    ShowWindow(open->hwnd(), SW_SHOW);
    return open;
}

bool TfrmOption::OnInit() {
    texts_ = BuiltInOptionTexts(Now());
    if (const auto library = OpenLanguageLibrary()) TranslateOptionTexts(*library, texts_);
    SetWindowTextW(hwnd(), Widen(texts_.captions[kOptionsWindowText]).c_str());
    SetControlTexts(hwnd(), texts_, {});
    CreatePages();

    std::vector<HWND> windows{hwnd()};
    for (const auto& page : pages_) windows.push_back(page->hwnd());
    surface_ = std::make_unique<DialogControlSurface>(std::move(windows));
    const Platform platform{setup_.layered_windows, setup_.ras, setup_.deep_colour};
    session_ = std::make_unique<OptionsSession>(host_, *surface_, platform, live_, first_page_);
    std::vector<std::string> layer_names;
    for (int code = 0; code < kLayerCount; ++code) layer_names.push_back(LayerName(texts_, code));
    session_->SetLayerNames(std::move(layer_names));
    session_->Show();
    ShowPage(session_->Page());
    SetFocus(Item(oid::pageOption));
    return false;
}

void TfrmOption::CreatePages() {
    const HWND tab = Item(oid::pageOption);
    for (int page = 0; page < kOptionPageCount; ++page) {
        std::wstring caption = Widen(texts_.captions[oid::PageBase(page)]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(page),
                     reinterpret_cast<LPARAM>(&item));
    }
    const RuntimeLists lists = ListsKnownAtRunTime();
    for (int page = 0; page < kOptionPageCount; ++page) {
        auto window = std::make_unique<OptionPageWindow>(page, *this);
        window->Create(hwnd());
        SetUpOptionPage(window->hwnd(), page, texts_, lists);
        LayOutPage(window->hwnd());
        pages_[static_cast<std::size_t>(page)] = std::move(window);
    }
    for (int n = 0; n < kPointerChoiceCount; ++n) {
        MakePointerPanel(GetDlgItem(PageWindow(kPagePoint), oid::Panel(n)),
                         setup_.cursors[static_cast<std::size_t>(n)]);
    }
}

void TfrmOption::LayOutPage(HWND page) const {
    // Above the tab control in the z-order (which paints around its siblings), in its display area.
    const HWND tab = Item(oid::pageOption);
    RECT r{};
    GetWindowRect(tab, &r);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    SetWindowPos(page, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
}

HWND TfrmOption::PageWindow(int page) const {
    if (page < 0 || page >= kOptionPageCount || !pages_[static_cast<std::size_t>(page)])
        return nullptr;
    return pages_[static_cast<std::size_t>(page)]->hwnd();
}

int TfrmOption::ActivePage() const {
    return static_cast<int>(SendMessageW(Item(oid::pageOption), TCM_GETCURSEL, 0, 0));
}

void TfrmOption::ShowPage(int page) {
    if (page < 0 || page >= kOptionPageCount) return;
    SendMessageW(Item(oid::pageOption), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    // Hidden pages are skipped by the dialog manager's Tab.
    for (int p = 0; p < kOptionPageCount; ++p)
        ShowWindow(PageWindow(p), p == page ? SW_SHOW : SW_HIDE);
    if (session_) session_->SelectPage(page);
}

void TfrmOption::PlaceNearClock() { PlaceNearClockWindow(setup_.clock); }

void TfrmOption::SetLockCheck(bool locked) {
    if (session_ && IsWindowVisible(hwnd())) session_->LockChanged(locked);
}

void TfrmOption::RefreshCommands() {
    if (session_) session_->RefreshCommands();
}

bool TfrmOption::PreTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0)
        return false;
    const int step = GetKeyState(VK_SHIFT) < 0 ? kOptionPageCount - 1 : 1;
    ShowPage((ActivePage() + step) % kOptionPageCount);
    // The focus may have been on the page that is hidden now.
    const HWND focus = GetFocus();
    if (!focus || !IsWindowVisible(focus)) SetFocus(Item(oid::pageOption));
    return true;
}

void TfrmOption::OnOK() {
    if (nested_ > 0 || !IsWindowEnabled(Item(oid::btnOK))) return;
    session_->Ok();
    End(IDOK);
}

void TfrmOption::OnCancel() {
    if (nested_ > 0 || !IsWindowEnabled(Item(oid::btnCancel))) return;
    session_->Cancel();
    End(IDCANCEL);
}

void TfrmOption::OnClose() {
    if (nested_ > 0) return;
    session_->CloseBox();
    End(IDCANCEL);
}

void TfrmOption::OnFinalMessage() {
    // Destroyed from outside (the program ends): the host still hears of the close.
    if (session_ && session_->Open()) session_->CloseBox();
    delete this;
}

void TfrmOption::OnCommand(int id, int code, HWND) {
    if (id == oid::btnHelp && code == BN_CLICKED) session_->Help();
}

std::optional<LRESULT> TfrmOption::OnNotify(const NMHDR& header) {
    if (header.idFrom == static_cast<UINT_PTR>(oid::pageOption) && header.code == TCN_SELCHANGE)
        ShowPage(ActivePage());
    return std::nullopt;
}

void TfrmOption::PageCommand(int id, int code, HWND control) {
    using namespace oid;
    if (!session_) return; // the pages' own set-up
    const bool clicked = code == BN_CLICKED;
    if (id == btnDSPOrderUp || id == btnDSPOrderDown) {
        if (clicked) session_->MoveLayer(id == btnDSPOrderUp);
    } else if (id == lstDspOrder) {
        if (code == LBN_SELCHANGE) session_->SelectLayer(surface_->GetSelection(id));
    } else if (id >= Panel0 && id < Panel0 + kPointerChoiceCount) {
        if (clicked) session_->ChoosePointer(id - Panel0);
    } else if (id == btnAlarmMsgPreview || id == BitBtn1 || id == btnSetTime) {
        if (clicked) RunNested(id);
    } else if (id == btnTimeZone) {
        if (clicked) CurrentShellServices().OpenTimeZoneSettings(hwnd());
    } else {
        ChangeFromControl(code, control);
    }
}

void TfrmOption::RunNested(int id) {
    // These run message loops of their own; the dialog cannot close meanwhile.
    ++nested_;
    try {
        if (id == oid::btnAlarmMsgPreview)
            session_->PreviewAlarm(texts_.captions[kAlarmPreviewText]);
        else
            session_->RunCommand(id == oid::BitBtn1 ? SharedCommand::AlarmView
                                                    : SharedCommand::SetTime);
    } catch (...) {
        --nested_;
        throw;
    }
    --nested_;
}

void TfrmOption::ChangeFromControl(int code, HWND control) {
    switch (code) {
    case BN_CLICKED:
    case EN_CHANGE:
    case CBN_EDITCHANGE: break;
    case CBN_SELCHANGE:
        if (IsClass(control, L"ComboBox")) ShowChosenEntry(control);
        break;
    default: return;
    }
    session_->Change();
}

void TfrmOption::PageScroll(HWND control, int code) {
    // A track bar tells of every step and then of the step's end, which changes nothing more.
    if (session_ && code != TB_ENDTRACK && IsClass(control, TRACKBAR_CLASSW)) session_->Change();
}

} // namespace vistrel
