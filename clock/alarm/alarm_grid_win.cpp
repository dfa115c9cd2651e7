#include "clock/alarm/alarm_grid_win.h"

#include <algorithm>

#include "clock/common/monitors_win.h"
#include "clock/common/colour_win.h"
#include "clock/common/date_format.h"
#include "clock/common/date_time.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace {

// Column widths at 96 DPI; columns 1 and 2 (the times) are right-aligned.
constexpr std::array<int, 6> kWidths = {26, 125, 124, 192, 259, 225};

int Scaled(HWND window, int px) { return Scale(px, DpiOf(window)); }

const std::string& CellText(const AlarmRowTexts& texts, int column) {
    switch (column) {
    case 1: return texts.set_time;
    case 2: return texts.next_time;
    case 3: return texts.message;
    case 4: return texts.action;
    default: return texts.sound;
    }
}

} // namespace

void AlarmGrid::SetUp(const std::array<std::string, 6>& headers) {
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                                                 LVS_EX_DOUBLEBUFFER);
    for (int c = 0; c < 6; ++c) {
        std::wstring text = Widen(headers[static_cast<std::size_t>(c)]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = c == 1 || c == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = std::max(Scaled(list_, kWidths[static_cast<std::size_t>(c)]),
                             FittingWidth(c, headers[static_cast<std::size_t>(c)]));
        column.pszText = text.data();
        column.iSubItem = c;
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
    Refresh();
}

// Wide enough for the header, and for the next time's text, whatever the font: the widths above
// were chosen for a narrower one.
int AlarmGrid::FittingWidth(int column, const std::string& header) const {
    const auto width = [this](const std::string& text) {
        return static_cast<int>(SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0,
                                             reinterpret_cast<LPARAM>(Widen(text).c_str()))) +
               Scaled(list_, 14);
    };
    int fitting = width(header);
    if (column == 2) {
        fitting =
            std::max(fitting, width(FormatDateTime(editor_.Texts().next_time_format,
                                                   EncodeDateTime(2000, 12, 30, 20, 50, 0, 0))));
    }
    return fitting;
}

void AlarmGrid::Refresh() {
    const int rows = static_cast<int>(editor_.RowCount());
    if (ListView_GetItemCount(list_) != rows) {
        ListView_SetItemCountEx(list_, rows, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    }
    const int current = static_cast<int>(editor_.CurrentRow());
    if (ListView_GetNextItem(list_, -1, LVNI_SELECTED) != current) {
        ListView_SetItemState(list_, current, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    ListView_EnsureVisible(list_, current, FALSE);
    InvalidateRect(list_, nullptr, FALSE);
}

void AlarmGrid::RedrawRow(std::size_t row) {
    ListView_RedrawItems(list_, static_cast<int>(row), static_cast<int>(row));
}

std::optional<std::size_t> AlarmGrid::SelectedByUser(const NMHDR& header) const {
    if (header.hwndFrom != list_ || header.code != LVN_ITEMCHANGED) return std::nullopt;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return std::nullopt;
    if (!(change.uNewState & LVIS_SELECTED) || (change.uOldState & LVIS_SELECTED)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(change.iItem);
}

std::optional<LRESULT> AlarmGrid::Notify(const NMHDR& header) {
    if (header.hwndFrom != list_) return std::nullopt;
    if (header.code == LVN_GETDISPINFOW) {
        Texts(reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)));
        return 0;
    }
    if (header.code == NM_CUSTOMDRAW) {
        return CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(const_cast<NMHDR&>(header)));
    }
    return std::nullopt;
}

void AlarmGrid::Texts(NMLVDISPINFOW& info) {
    LVITEMW& item = info.item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    item.pszText[0] = L'\0';
    if (item.iItem < 0 || item.iSubItem <= 0) return;
    const AlarmRowTexts& texts = editor_.RowTexts(static_cast<std::size_t>(item.iItem));
    text_ = Widen(CellText(texts, item.iSubItem));
    lstrcpynW(item.pszText, text_.c_str(), item.cchTextMax);
}

LRESULT AlarmGrid::CustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        if (draw.iSubItem != 0) return CDRF_DODEFAULT;
        const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
        RECT cell{};
        ListView_GetItemRect(list_, row, &cell, LVIR_BOUNDS);
        cell.right = cell.left + ListView_GetColumnWidth(list_, 0);
        const bool selected = ListView_GetItemState(list_, row, LVIS_SELECTED) & LVIS_SELECTED;
        FillRect(draw.nmcd.hdc, &cell, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        DrawMark(draw.nmcd.hdc, cell, static_cast<std::size_t>(row));
        return CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
    }
}

void AlarmGrid::DrawMark(HDC dc, RECT cell, std::size_t row) const {
    if (editor_.IsEmptyRow(row)) return;
    const AlarmRowTexts& item = editor_.RowTexts(row); // what the editors hold on the current row
    if (item.mark != amEdge && item.mark != amCircle) return;
    InflateRect(&cell, -3, -3);
    const int h = cell.bottom - cell.top;
    if (h <= 0) return;
    const UniqueBrush brush(CreateSolidBrush(ToColorRef(item.colour)));
    const SelectGuard pen(dc, GetStockObject(BLACK_PEN));
    const SelectGuard fill(dc, brush.get());
    if (item.mark == amEdge) {
        const POINT corners[] = {
            {cell.left, cell.top}, {cell.left + h, cell.top}, {cell.left + h / 2, cell.bottom}};
        Polygon(dc, corners, 3);
    } else {
        Ellipse(dc, cell.left, cell.top, cell.left + h, cell.top + h);
    }
}

} // namespace vistrel
