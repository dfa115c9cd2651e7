#include "clock/app/popup_menu_win.h"

#include "clock/common/wide_win.h"

namespace vistrel {

MenuTexts::MenuTexts() {
    caption[1] = "ｵﾌﾟｼｮﾝ(&O)...";
    caption[2] = "ｱﾗｰﾑ･ﾀｲﾏｰの設定...";
    caption[3] = "残像を消す";
    caption[4] = "常に手前に表示";
    caption[5] = "ﾛｯｸ(&L)";
    caption[6] = "移動";
    caption[7] = "最小化(&N)";
    caption[8] = "時間を設定";
    caption[9] = "ｽｸﾘｰﾝｾｰﾊﾞｰ起動";
    caption[10] = "ｽﾀｰﾄｱｯﾌﾟへ登録";
    caption[11] = "ｱﾗｰﾑｻｳﾝﾄﾞの停止";
    caption[12] = "日付と時刻の設定...";
    caption[13] = "ﾍﾙﾌﾟ(&H)...";
    caption[14] = "ﾊﾞｰｼﾞｮﾝ情報(&A)...";
    caption[15] = "終了(&X)";
    caption[16] = "右上";
    caption[17] = "右下";
    caption[18] = "左上";
    caption[19] = "左下";
    caption[20] = "中央";
}

std::vector<TextReplacement> MenuTexts::Replacements() {
    std::vector<TextReplacement> out;
    for (int n = 1; n <= 20; ++n) out.push_back(ReplaceInto(n, caption[static_cast<size_t>(n)]));
    return out;
}

namespace {
void Append(HMENU menu, UINT id, const std::string& text, UINT flags = 0) {
    AppendMenuW(menu, MF_STRING | flags, id, Widen(text).c_str());
}
} // namespace

UniqueMenu BuildPopupMenu(const MenuTexts& t, const MenuState& state) {
    UniqueMenu menu(CreatePopupMenu());
    const auto& c = t.caption;
    Append(menu.get(), kCmdTop, c[4], state.stay_on_top ? MF_CHECKED : 0);
    Append(menu.get(), kCmdLock, c[5], state.locked ? MF_CHECKED : 0);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    HMENU move = CreatePopupMenu(); // owned by the menu once appended
    for (UINT i = 0; i < 5; ++i) Append(move, kCmdMoveTopRight + i, c[16 + i]);
    AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(move), Widen(c[6]).c_str());
    Append(menu.get(), kCmdMinimize, c[7]);
    Append(menu.get(), kCmdSetTime, c[8], state.set_time_enabled ? 0 : MF_GRAYED);
    Append(menu.get(), kCmdStopSound, c[11], state.stop_sound_enabled ? 0 : MF_GRAYED);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    Append(menu.get(), kCmdExit, c[15]);
    return menu;
}

MovePlace PlaceForMove(UINT command, const RECT& wa, int z) {
    switch (command) {
    case kCmdMoveTopRight: return {wa.right - z, wa.top};
    case kCmdMoveBottomRight: return {wa.right - z, wa.bottom - z};
    case kCmdMoveTopLeft: return {wa.left, wa.top};
    case kCmdMoveBottomLeft: return {wa.left, wa.bottom - z};
    default:
        // The middle of the work area, also when it does not start at the screen's edge
        // (a task bar on the left or at the top).
        return {(wa.left + wa.right - z) / 2, (wa.top + wa.bottom - z) / 2};
    }
}

} // namespace vistrel
