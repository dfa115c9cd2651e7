// Control numbers of the alarm list editor (1400-1499). The template reads them as
// alarm_view_ids.rh, written from this header by the build. A spin edit's up-down is its edit's
// number + 50. OK and Cancel are IDOK and IDCANCEL.
#pragma once

namespace vistrel::aid {

inline constexpr int sgrdView = 1401, lblType = 1402, cmbSelect = 1403, lblDay = 1404,
                     sedtDay = 1405, lblWeek = 1406, cmbWeek = 1407, lblHour = 1408,
                     sedtHour = 1409, lblMin = 1410, sedtMin = 1411, rgrpSymbol = 1412,
                     rbtnSymbolNone = 1413, rbtnSymbolEdge = 1414, rbtnSymbolCircle = 1415,
                     lblSymbolColor = 1416, btnSymbolColor = 1417, lblMessage = 1418,
                     edtMessage = 1419, lblFontSize = 1420, cmbFontSize = 1421, lblExec = 1422,
                     cmbAlarmAction = 1423, btnExecSelect = 1424, btnExecGo = 1425, lblSound = 1426,
                     cmbSound = 1427, btnSoundSelect = 1428, btnSoundPlay = 1429,
                     btnSoundStop = 1430, lblBeforeSec = 1431, sedtBeforeSec = 1432,
                     btnAllDelete = 1433, btnDelete = 1434, btnViewHelp = 1435;

} // namespace vistrel::aid
