#include "clock/alarm/alarm_view_win.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "clock/alarm/alarm_editor.h"
#include "clock/alarm/alarm_grid_win.h"
#include "clock/alarm/alarm_sound_win.h"
#include "clock/alarm/alarm_view_ids.h"
#include "clock/common/monitors_win.h"
#include "clock/common/colour.h"
#include "clock/common/colour_win.h"
#include "clock/common/dialog_win.h"
#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/help.h"
#include "clock/common/language_win.h"
#include "clock/common/message_box.h"
#include "clock/common/run_command.h"
#include "clock/common/shell_services.h"
#include "clock/common/system_info.h"
#include "clock/common/vocabulary.h"
#include "clock/common/wide_win.h"
#include "clock/common/window_text_win.h"
#include "clock/widgets/anchored_layout_win.h"
#include "clock/widgets/colour_button_win.h"
#include "clock/widgets/spin_edit.h"
#include "clock/widgets/spin_edit_win.h"
#include "resources/resource.h"

namespace vistrel {

namespace {

using namespace aid;

// The smallest client area, at 96 DPI: the editor opens at least this large and cannot be
// dragged smaller than its opening size nor than 472 x 350.
constexpr SIZE kDesignClient = {470, 308};
constexpr SIZE kSmallestDrag = {472, 350};

constexpr const char* kSoundFilter =
    "ｻｳﾝﾄﾞﾌｧｲﾙ (*.wav;*.mid;*.rmi;*.mp3)|*.wav;*.mid;*.rmi;*.midi;*.mp3;*.wma|"
    "MIDI ﾌｧｲﾙ (*.mid;*.rmi;*.midi)|*.mid;*.rmi;*.midi|ｵｰﾃﾞｨｵﾌｧｲﾙ (*.wav)|*.wav|"
    "ﾋﾞﾃﾞｵﾌｧｲﾙ (*.avi)|*.avi|ﾑｰﾋﾞｰﾌｧｲﾙ (*.mpeg;*.mpg)|*.mpeg;*.mpg";

const std::vector<AnchoredControl> kLayout = [] {
    std::vector<AnchoredControl> layout = {{sgrdView, kStretchWidth | kStretchHeight},
                                           {edtMessage, kAnchorBottom | kStretchWidth},
                                           {cmbAlarmAction, kAnchorBottom | kStretchWidth},
                                           {cmbSound, kAnchorBottom | kStretchWidth}};
    for (const int id : {btnExecSelect, btnExecGo, btnSoundSelect, btnSoundPlay, btnSoundStop, IDOK,
                         IDCANCEL, btnViewHelp}) {
        layout.push_back({id, kAnchorBottom | kAnchorRight});
    }
    // Every other editing control (and the up-downs of the spin edits) stays with the bottom.
    for (int id = lblType; id <= btnDelete; ++id) {
        const bool placed = std::any_of(layout.begin(), layout.end(),
                                        [id](const AnchoredControl& c) { return c.id == id; });
        if (!placed) layout.push_back({id, kAnchorBottom});
    }
    for (const int spin : {sedtDay, sedtHour, sedtMin, sedtBeforeSec}) {
        layout.push_back({SpinButtonId(spin), kAnchorBottom});
    }
    return layout;
}();

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WindowsMediaFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = GetWindowsDirectoryW(folder, MAX_PATH);
    return (n > 0 && n < MAX_PATH ? Narrow(folder) : std::string("C:\\Windows")) + "\\Media\\";
}

// The texts the library may replace besides the controls' captions.
struct ViewTexts {
    std::array<std::string, 6> headers = {"ﾏｰｸ", "設定時刻", "次回", "ﾒｯｾｰｼﾞ", "ｱｸｼｮﾝ", "ｻｳﾝﾄﾞ"};
    std::array<std::string, 5> kinds = {"ﾀｲﾏｰ(1回のみ)", "毎時", "毎日", "毎週", "毎月"};
};

class TfrmAlarmView final : public Dialog {
public:
    TfrmAlarmView(const AlarmViewHost& host, AlarmList records)
        : Dialog(IDD_ALARM_VIEW), host_(host), editor_(std::move(records), TranslatedTexts()),
          exec_folder_(ProgramFolder()), sound_folder_(WindowsMediaFolder()) {}
    using Dialog::RunModal;

    EditedAlarms Accept() { return editor_.Accept(); }

protected:
    bool OnInit() override {
        FormCreate();
        FormShow();
        return true;
    }
    void OnOK() override { End(IDOK); }
    void OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    std::optional<INT_PTR> OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnFinalMessage() override {
        if (host_.sound) host_.sound->on_state_changed = std::move(previous_sound_report_);
    }

private:
    AlarmEditorTexts TranslatedTexts();
    void FormCreate();
    void FormShow();
    void FillLists();
    void ShowFields();
    void ShowEnabling();
    void ShowMessageLook();
    void ShowSoundState();
    void RowChange(std::size_t row);
    void KindChange();
    void SpinChange(int id);
    void TextChange(int id, int code);

    void btnExecSelectClick();
    void btnExecGoClick();
    void btnSoundSelectClick();
    void btnDeleteClick();
    void btnAllDeleteClick();

    int Scale(int px) const { return vistrel::Scale(px, DpiOf(hwnd())); }
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    void Select(int id, int index);

    AlarmViewHost host_;
    ViewTexts view_texts_;
    AlarmEditor editor_;
    std::optional<AlarmGrid> grid_; // made once the list control exists
    AnchoredLayout layout_;
    UniqueFont message_font_;
    UniqueBrush message_brush_;
    std::string exec_folder_;
    std::string sound_folder_;
    std::function<void(bool)> previous_sound_report_;
    bool loading_ = false; // the controls are being filled: their notifications are no edits
};

AlarmEditorTexts TfrmAlarmView::TranslatedTexts() {
    AlarmEditorTexts texts = CurrentAlarmEditorTexts();
    std::vector<TextReplacement> table = AlarmEditorTextReplacements(texts);
    for (std::size_t c = 0; c < 5; ++c) {
        table.push_back(ReplaceInto(309 + static_cast<int>(c), view_texts_.headers[c]));
        table.push_back(ReplaceInto(315 + static_cast<int>(c), view_texts_.kinds[c]));
    }
    ApplyLanguage(table);
    return texts;
}

void TfrmAlarmView::FormCreate() {
    const std::array texts = {
        WindowCaption(304, hwnd()),
        ControlText(305, hwnd(), IDOK),
        ControlText(306, hwnd(), IDCANCEL),
        ControlText(307, hwnd(), btnViewHelp),
        ControlText(308, hwnd(), btnDelete),
        ControlText(314, hwnd(), lblType),
        ControlText(320, hwnd(), lblDay),
        ControlText(321, hwnd(), lblWeek),
        ControlText(323, hwnd(), lblHour),
        ControlText(324, hwnd(), lblMin),
        ControlText(325, hwnd(), lblMessage),
        ControlText(326, hwnd(), lblExec),
        ControlText(331, hwnd(), lblSound),
        ControlText(339, hwnd(), lblBeforeSec),
        ControlText(340, hwnd(), rgrpSymbol),
        ControlText(341, hwnd(), rbtnSymbolNone),
        ControlText(342, hwnd(), rbtnSymbolEdge),
        ControlText(343, hwnd(), rbtnSymbolCircle),
        ControlText(344, hwnd(), lblSymbolColor),
        ControlText(345, hwnd(), lblFontSize),
        ControlText(346, hwnd(), btnExecSelect),
        ControlText(346, hwnd(), btnSoundSelect),
    };
    ApplyLanguage(texts);
    SetupSpinEdit(hwnd(), sedtDay, 1, 31);
    SetupSpinEdit(hwnd(), sedtHour, -1, 24);
    SetupSpinEdit(hwnd(), sedtMin, -1, 60);
    SetupSpinEdit(hwnd(), sedtBeforeSec, 0, 30);
    MakeColourButton(Item(btnSymbolColor), static_cast<TColor>(kSystemWindowColour), false);
    FillLists();
    grid_.emplace(Item(sgrdView), editor_);
    grid_->SetUp(view_texts_.headers);
    if (host_.sound) {
        previous_sound_report_ = std::move(host_.sound->on_state_changed);
        host_.sound->on_state_changed = [this](bool playing) {
            if (previous_sound_report_) previous_sound_report_(playing);
            ShowSoundState();
        };
    }
}

void TfrmAlarmView::FillLists() {
    const auto add = [this](int id, const std::string& text) {
        SendDlgItemMessageW(hwnd(), id, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(Widen(text).c_str()));
    };
    for (const std::string& kind : view_texts_.kinds) add(cmbSelect, kind);
    for (const std::string& day : editor_.Texts().weekday_names) add(cmbWeek, day);
    for (const int size : kAlarmFontSizes) add(cmbFontSize, std::to_string(size));
    for (const std::string& action : ActionListEntries(CommandNames, IsWindowsNT())) {
        add(cmbAlarmAction, action);
    }
    for (const std::string& sound : SoundNames) add(cmbSound, sound);
}

void TfrmAlarmView::FormShow() {
    // At least the design's size; then the places of the controls are taken as they are.
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    const int frame_w = (window.right - window.left) - client.right;
    const int frame_h = (window.bottom - window.top) - client.bottom;
    layout_.Capture(hwnd(), kLayout);
    const int w = std::max<int>(client.right, Scale(kDesignClient.cx));
    const int h = std::max<int>(client.bottom, Scale(kDesignClient.cy));
    SetWindowPos(hwnd(), nullptr, 0, 0, w + frame_w, h + frame_h,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout_.Apply();
    PlaceNearClockWindow(host_.clock);
    ShowFields();
    ShowSoundState();
}

std::string TfrmAlarmView::Text(int id) const { return WindowTextOf(Item(id)); }

void TfrmAlarmView::SetText(int id, const std::string& text) {
    if (Text(id) != text) SetDlgItemTextW(hwnd(), id, Widen(text).c_str());
}

void TfrmAlarmView::Select(int id, int index) {
    SendDlgItemMessageW(hwnd(), id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TfrmAlarmView::ShowFields() {
    loading_ = true;
    const AlarmEditorFields& f = editor_.Fields();
    Select(cmbSelect, IsAlarmKind(f.kind) ? f.kind : -1);
    SetSpinValue(hwnd(), sedtDay, f.day_of_month);
    Select(cmbWeek, f.weekday >= 1 && f.weekday <= 7 ? f.weekday - 1 : -1);
    SetSpinValue(hwnd(), sedtHour, f.hour);
    SetSpinValue(hwnd(), sedtMin, f.minute);
    SetButtonColour(Item(btnSymbolColor), static_cast<TColor>(f.colour));
    const int marks[] = {rbtnSymbolNone, rbtnSymbolEdge, rbtnSymbolCircle};
    for (int m = 0; m < 3; ++m) {
        CheckDlgButton(hwnd(), marks[m], f.mark == m ? BST_CHECKED : BST_UNCHECKED);
    }
    SetText(edtMessage, f.message);
    const auto size = std::find(kAlarmFontSizes.begin(), kAlarmFontSizes.end(), f.font_size);
    Select(cmbFontSize,
           size == kAlarmFontSizes.end() ? -1 : static_cast<int>(size - kAlarmFontSizes.begin()));
    SetText(cmbAlarmAction, f.action);
    SetText(cmbSound, f.sound);
    SetSpinValue(hwnd(), sedtBeforeSec, f.before_seconds);
    loading_ = false;
    ShowEnabling();
    ShowMessageLook();
}

void TfrmAlarmView::ShowEnabling() {
    const AlarmEditorEnabling e = editor_.Enabling();
    const auto enable = [this](std::initializer_list<int> ids, bool on) {
        for (const int id : ids) {
            EnableWindow(Item(id), on);
            if (const HWND arrows = Item(SpinButtonId(id))) EnableWindow(arrows, on);
        }
    };
    enable({sedtDay, lblDay}, e.day);
    enable({cmbWeek, lblWeek}, e.weekday);
    enable({sedtHour, lblHour}, e.hour);
    enable({sedtMin,          lblMin,         rgrpSymbol,     rbtnSymbolNone, rbtnSymbolEdge,
            rbtnSymbolCircle, lblSymbolColor, btnSymbolColor, lblMessage,     edtMessage,
            lblFontSize,      cmbFontSize,    lblExec,        cmbAlarmAction, btnExecSelect,
            btnExecGo,        lblSound,       cmbSound,       btnSoundSelect, btnSoundPlay,
            lblBeforeSec,     sedtBeforeSec},
           e.other);
    enable({btnDelete}, e.delete_row);
    enable({btnAllDelete}, e.delete_all);
}

// The message box in the alarm's colours and size, as its notice will show it.
void TfrmAlarmView::ShowMessageLook() {
    const AlarmEditorFields& f = editor_.Fields();
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfHeight = -MulDiv(std::clamp(f.font_size, 1, 72), DpiOf(hwnd()), 72);
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    UniqueFont fresh(CreateFontIndirectW(&font));
    SendDlgItemMessageW(hwnd(), edtMessage, WM_SETFONT, reinterpret_cast<WPARAM>(fresh.get()),
                        TRUE);
    message_font_ = std::move(fresh);
    message_brush_.reset(CreateSolidBrush(ToColorRef(f.colour)));
    InvalidateRect(Item(edtMessage), nullptr, TRUE);
}

void TfrmAlarmView::ShowSoundState() {
    EnableWindow(Item(btnSoundStop), host_.sound && host_.sound->IsPlaying());
}

void TfrmAlarmView::RowChange(std::size_t row) {
    const std::size_t left = editor_.CurrentRow();
    editor_.SelectRow(row);
    if (left != editor_.CurrentRow()) grid_->RedrawRow(left);
    grid_->Refresh();
    ShowFields();
}

void TfrmAlarmView::KindChange() {
    const auto index = SendDlgItemMessageW(hwnd(), cmbSelect, CB_GETCURSEL, 0, 0);
    editor_.SetKind(index == CB_ERR ? -1 : static_cast<int>(index));
    grid_->Refresh(); // a kind chosen on the empty row adds a row
    ShowFields();
}

// A spin edit's text changed: the model keeps the value in range (or wraps the time), and the
// control shows what the model kept. Text that is no number yet is left for the user to finish.
void TfrmAlarmView::SpinChange(int id) {
    constexpr int kNoNumber = -99999;
    const int typed = SpinTextValue(Text(id), kNoNumber);
    if (typed == kNoNumber) return;
    if (id == sedtDay) editor_.SetDayOfMonth(typed);
    if (id == sedtHour) editor_.SetHour(typed);
    if (id == sedtMin) editor_.SetMinute(typed);
    if (id == sedtBeforeSec) editor_.SetBeforeSeconds(typed);
    const AlarmEditorFields& f = editor_.Fields();
    loading_ = true;
    SetSpinValue(hwnd(), sedtDay, f.day_of_month);
    SetSpinValue(hwnd(), sedtHour, f.hour);
    SetSpinValue(hwnd(), sedtMin, f.minute);
    SetSpinValue(hwnd(), sedtBeforeSec, f.before_seconds);
    loading_ = false;
}

void TfrmAlarmView::TextChange(int id, int code) {
    std::string text = Text(id);
    if (code == CBN_SELCHANGE) {
        // The edit part shows the chosen item only after this notification.
        const auto index = SendDlgItemMessageW(hwnd(), id, CB_GETCURSEL, 0, 0);
        if (index == CB_ERR) return;
        std::wstring item(static_cast<std::size_t>(SendDlgItemMessageW(
                              hwnd(), id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0)) +
                              1,
                          L'\0');
        SendDlgItemMessageW(hwnd(), id, CB_GETLBTEXT, static_cast<WPARAM>(index),
                            reinterpret_cast<LPARAM>(item.data()));
        text = Narrow(item.c_str());
    }
    if (id == edtMessage) editor_.SetMessage(text);
    if (id == cmbAlarmAction) editor_.SetAction(text);
    if (id == cmbSound) editor_.SetSound(text);
}

void TfrmAlarmView::OnCommand(int id, int code, HWND) {
    if (loading_) return;
    switch (id) {
    case cmbSelect:
        if (code == CBN_SELCHANGE) KindChange();
        break;
    case cmbWeek:
        if (code == CBN_SELCHANGE) {
            editor_.SetWeekday(
                static_cast<int>(SendDlgItemMessageW(hwnd(), cmbWeek, CB_GETCURSEL, 0, 0)) + 1);
        }
        break;
    case sedtDay:
    case sedtHour:
    case sedtMin:
    case sedtBeforeSec:
        if (code == EN_CHANGE) SpinChange(id);
        break;
    case rbtnSymbolNone:
    case rbtnSymbolEdge:
    case rbtnSymbolCircle:
        if (code == BN_CLICKED) editor_.SetMark(id - rbtnSymbolNone);
        break;
    case btnSymbolColor: // heard only when the colour changed
        editor_.SetColour(static_cast<std::uint32_t>(ButtonColour(Item(btnSymbolColor))));
        ShowMessageLook();
        break;
    case edtMessage:
        if (code == EN_CHANGE) TextChange(id, code);
        break;
    case cmbFontSize:
        if (code == CBN_SELCHANGE) {
            const auto index = SendDlgItemMessageW(hwnd(), cmbFontSize, CB_GETCURSEL, 0, 0);
            if (index >= 0 && index < static_cast<LRESULT>(kAlarmFontSizes.size())) {
                editor_.SetFontSize(kAlarmFontSizes[static_cast<std::size_t>(index)]);
                ShowMessageLook();
            }
        }
        break;
    case cmbAlarmAction:
    case cmbSound:
        if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) TextChange(id, code);
        break;
    case btnExecSelect: btnExecSelectClick(); break;
    case btnExecGo: btnExecGoClick(); break;
    case btnSoundSelect: btnSoundSelectClick(); break;
    case btnSoundPlay:
        if (host_.sound) host_.sound->Play(Text(cmbSound));
        ShowSoundState();
        break;
    case btnSoundStop:
        if (host_.sound) host_.sound->Stop();
        ShowSoundState();
        break;
    case btnDelete: btnDeleteClick(); break;
    case btnAllDelete: btnAllDeleteClick(); break;
    case btnViewHelp: ShowHelp(kHelpAlarmView); break;
    default: break;
    }
    // The current row shows what its editors hold as they change.
    if (grid_) grid_->RedrawRow(editor_.CurrentRow());
}

std::optional<LRESULT> TfrmAlarmView::OnNotify(const NMHDR& header) {
    if (!grid_) return std::nullopt;
    if (const auto row = grid_->SelectedByUser(header)) {
        if (!loading_) RowChange(*row);
        return 0;
    }
    if (header.hwndFrom == Item(sgrdView) && header.code == NM_CLICK) {
        grid_->Refresh(); // a click beside the rows keeps the current row selected
        return 0;
    }
    return grid_->Notify(header);
}

std::optional<INT_PTR> TfrmAlarmView::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE: layout_.Apply(); return TRUE;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = {Scale(kSmallestDrag.cx), Scale(kSmallestDrag.cy)};
        return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lp) == Item(edtMessage) && message_brush_) {
            const auto dc = reinterpret_cast<HDC>(wp);
            const COLORREF back = ToColorRef(editor_.Fields().colour);
            SetBkColor(dc, back);
            SetTextColor(dc, static_cast<COLORREF>(ContrastColour(static_cast<TColor>(back))));
            return reinterpret_cast<INT_PTR>(message_brush_.get());
        }
        return std::nullopt;
    default: return std::nullopt;
    }
}

void TfrmAlarmView::btnExecSelectClick() {
    const auto chosen = CurrentShellServices().ChooseFileToOpen({exec_folder_, "", ""}, hwnd());
    if (!chosen) return;
    exec_folder_ = FolderOf(*chosen);
    SetText(cmbAlarmAction, *chosen);
    editor_.SetAction(*chosen);
}

void TfrmAlarmView::btnSoundSelectClick() {
    const auto chosen =
        CurrentShellServices().ChooseFileToOpen({sound_folder_, "", kSoundFilter}, hwnd());
    if (!chosen) return;
    sound_folder_ = FolderOf(*chosen);
    SetText(cmbSound, *chosen);
    editor_.SetSound(*chosen);
}

void TfrmAlarmView::btnExecGoClick() {
    try {
        RunCommand(Text(cmbAlarmAction), host_.settings);
    } catch (const std::exception&) {
        ShowMessageBox("起動できません。", MsgType::Warning);
    }
}

void TfrmAlarmView::btnDeleteClick() {
    editor_.DeleteCurrent();
    grid_->Refresh();
    ShowFields();
}

void TfrmAlarmView::btnAllDeleteClick() {
    editor_.DeleteAll();
    grid_->Refresh();
    ShowFields();
}

} // namespace

std::optional<EditedAlarms> RunAlarmView(HWND owner, const AlarmViewHost& host, AlarmList records) {
    TfrmAlarmView view(host, std::move(records));
    if (view.RunModal(owner) != IDOK) return std::nullopt;
    return view.Accept();
}

} // namespace vistrel
