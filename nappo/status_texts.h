// Every text of the status window, in one place, and the values it shows as text.
#pragma once

#include <cstdint>
#include <string>

#include "nappo/idle_watch.h"

namespace nappo {

inline constexpr char kStatusCaption[] = "スクリーンセーバーマネージャ";
inline constexpr char kTitleLine[] = "ｽｸﾘｰﾝｾｰﾊﾞｰﾏﾈｰｼﾞｬ  for Windows95 Version 2.00 ";
inline constexpr char kIdleLabel[] = "ｼｽﾃﾑ待機時間：";
inline constexpr char kIdleUnit[] = "ミリ秒";
inline constexpr char kSaverLabel[] = "ｽｸﾘｰﾝｾｰﾊﾞｰ機能：";
inline constexpr char kWaitLabel[] = "ｽｸﾘｰﾝｾｰﾊﾞｰの待ち時間：";
inline constexpr char kWaitUnit[] = "分";
inline constexpr char kModeLabel[] = "監視モード：";
inline constexpr char kOkButton[] = "OK";
inline constexpr char kCloseButton[] = "終了(&C)";

inline constexpr char kHookFailed[] = "HOOKできなかった";
inline constexpr char kTickError[] = "GetLastTickCount Error";
inline constexpr char kWindows95Only[] = "このﾌﾟﾛｸﾞﾗﾑは Windows95 用です。";

std::string OnOffText(bool active);                   // "オン" / "オフ"
std::string WaitMinutesText(std::int64_t waiting_ms); // whole minutes
std::string ModeText(bool hook_mode);    // "ﾌｯｸ" / "ｷｰﾎﾞｰﾄﾞｲﾍﾞﾝﾄ"
std::string StateText(SaverState state); // "" for Unknown

} // namespace nappo
