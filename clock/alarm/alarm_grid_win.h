// The alarm list editor's grid: a report-view list whose rows come straight from the editor's
// model (owner data: the texts are asked for as rows are drawn, so ten thousand alarms open at
// once), the mark of column 0 drawn in the record's colour.
#pragma once

#include <windows.h>

#include <array>
#include <commctrl.h>
#include <optional>
#include <string>

#include "clock/alarm/alarm_editor.h"

namespace vistrel {

class AlarmGrid {
public:
    AlarmGrid(HWND list, const AlarmEditor& editor) : list_(list), editor_(editor) {}

    // The six columns with their headers, at the window's DPI.
    void SetUp(const std::array<std::string, 6>& headers);
    // The row count follows the editor's; the editor's current row is selected and shown.
    void Refresh();
    // A row's cells drawn again (after the row was left and filled).
    void RedrawRow(std::size_t row);

    // The row the user selected, from a list notification; nothing for other notifications.
    std::optional<std::size_t> SelectedByUser(const NMHDR& header) const;
    // The list's own notifications: the texts of owner data and the marks' custom draw.
    std::optional<LRESULT> Notify(const NMHDR& header);

private:
    int FittingWidth(int column, const std::string& header) const;
    void Texts(NMLVDISPINFOW& info);
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    void DrawMark(HDC dc, RECT cell, std::size_t row) const;

    HWND list_;
    const AlarmEditor& editor_;
    std::wstring text_; // the last cell text handed out; the list copies it at once
};

} // namespace vistrel
