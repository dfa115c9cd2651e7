#include "clock/face/load_style_win.h"

#include <array>

#include <algorithm>

#include "clock/common/monitors_win.h"
#include "clock/common/dialog_win.h"
#include "clock/common/handles_win.h"
#include "clock/common/help.h"
#include "clock/common/language_win.h"
#include "clock/common/message_box.h"
#include "clock/common/shell_services.h"
#include "clock/common/wide_win.h"
#include "clock/face/load_style.h"
#include "clock/settings/style_file.h"
#include "resources/resource.h"

namespace vistrel {

namespace {

// The picker's size when it opens, which is also the smallest it can be made (pixels at 96 DPI).
constexpr int kWidth = 329;
constexpr int kHeight = 246;

class TfrmLoadStyle final : public Dialog {
public:
    TfrmLoadStyle(StyleHost& host, std::string folder)
        : Dialog(IDD_LOAD_STYLE), host_(host), folder_(std::move(folder)) {}
    using Dialog::RunModal;
    const std::string& Folder() const { return folder_; }

protected:
    bool OnInit() override {
        const std::array texts = {
            WindowCaption(Tx::StyleCaption, hwnd()),
            ControlText(Tx::StylePlace, hwnd(), IDC_LOAD_STYLE_PLACE),
            ControlText(Tx::StyleFolder, hwnd(), IDC_LOAD_STYLE_FOLDER),
            ControlText(Tx::StyleOK, hwnd(), IDOK),
            ControlText(Tx::StyleCancel, hwnd(), IDC_LOAD_STYLE_CANCEL),
            ControlText(Tx::StyleHelp, hwnd(), IDCANCEL),
        };
        ApplyTexts(texts);
        SetWindowPos(hwnd(), nullptr, 0, 0, Scale(kWidth), Scale(kHeight),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PlaceNearClockWindow(host_.clock);
        FillList();
        return true;
    }
    void OnOK() override { End(IDOK); }
    // The control with the ID IDCANCEL is the help button: Escape opens the help page and the
    // dialog stays.
    void OnCancel() override { ShowHelp(kHelpLoadStyle); }
    void OnClose() override { End(IDCANCEL); }
    void OnCommand(int id, int code, HWND) override {
        if (id == IDC_LOAD_STYLE_CANCEL) End(IDCANCEL);
        if (id == IDC_LOAD_STYLE_FOLDER) btnFolderChangeClick();
        if (id == IDC_LOAD_STYLE_LIST && code == LBN_SELCHANGE) lstStyleDatClick();
    }
    std::optional<INT_PTR> OnMessage(UINT msg, WPARAM, LPARAM lp) override {
        if (msg == WM_SIZE) {
            Layout();
            return TRUE;
        }
        if (msg == WM_GETMINMAXINFO) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lp);
            info->ptMinTrackSize = {Scale(kWidth), Scale(kHeight)};
            return TRUE;
        }
        return std::nullopt;
    }

private:
    int Scale(int px) const { return vistrel::Scale(px, DpiOf(hwnd())); }

    void FillList() {
        SetDlgItemTextW(hwnd(), IDC_LOAD_STYLE_PATH, Widen(folder_).c_str());
        const HWND list = Item(IDC_LOAD_STYLE_LIST);
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (const std::wstring& name : StyleFileNames(folder_)) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }

    void lstStyleDatClick() {
        const HWND list = Item(IDC_LOAD_STYLE_LIST);
        const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (index == LB_ERR) return;
        std::wstring name(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1,
                          L'\0');
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
        name.resize(name.find(L'\0'));
        const int newer = ReadStyle(folder_ + Narrow(name), host_.option, host_.running_ver);
        if (host_.redraw) host_.redraw();
        if (newer != 0) ShowMessageBox(NewerStyleMessage(newer), MsgType::Information);
    }

    void btnFolderChangeClick() {
        const auto chosen = CurrentShellServices().ChooseFolder(Tr(Tx::MsgChooseFolder),
                                                                BrowserSelection(folder_), hwnd());
        if (!chosen) return;
        const std::string folder = FolderWithSeparator(*chosen);
        if (folder == folder_) return;
        folder_ = folder;
        FillList();
    }

    // The place label and path along the top, the list filling the middle, the folder button
    // at the bottom left and OK, Cancel and Help at the bottom right.
    void Layout() {
        RECT client{};
        GetClientRect(hwnd(), &client);
        const int m = Scale(6);
        const Size label = SizeOf(IDC_LOAD_STYLE_PLACE);
        const Size button = SizeOf(IDOK);
        const Size folder = SizeOf(IDC_LOAD_STYLE_FOLDER);
        const int w = client.right, h = client.bottom;
        Move(IDC_LOAD_STYLE_PLACE, m, m, label.width, label.height);
        Move(IDC_LOAD_STYLE_PATH, m + label.width, m, std::max(0, w - 2 * m - label.width),
             label.height);
        const int buttons_top = h - m - button.height;
        const int list_top = 2 * m + label.height;
        Move(IDC_LOAD_STYLE_LIST, m, list_top, std::max(0, w - 2 * m),
             std::max(0, buttons_top - m - list_top));
        Move(IDC_LOAD_STYLE_FOLDER, m, buttons_top, folder.width, folder.height);
        int x = w - m;
        for (const int id : {IDCANCEL, IDC_LOAD_STYLE_CANCEL, IDOK}) {
            x -= button.width;
            Move(id, x, buttons_top, button.width, button.height);
            x -= m / 2;
        }
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
    Size SizeOf(int id) const {
        RECT r{};
        GetWindowRect(Item(id), &r);
        return {r.right - r.left, r.bottom - r.top};
    }
    void Move(int id, int x, int y, int width, int height) {
        SetWindowPos(Item(id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    StyleHost& host_;
    std::string folder_;
};

} // namespace

std::vector<std::wstring> StyleFileNames(const std::string& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(Widen(folder + "*.vsy").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::optional<std::string> RunLoadStyle(HWND owner, StyleHost& host, const std::string& folder) {
    const TOptionItem saved = host.option;
    TfrmLoadStyle picker(host, FolderWithSeparator(folder));
    if (picker.RunModal(owner) == IDOK) return picker.Folder();
    host.option = saved;
    if (host.redraw) host.redraw();
    return std::nullopt;
}

} // namespace vistrel
