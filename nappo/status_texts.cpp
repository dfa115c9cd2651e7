#include "nappo/status_texts.h"

namespace nappo {

std::string OnOffText(bool active) { return active ? "オン" : "オフ"; }

std::string WaitMinutesText(std::int64_t waiting_ms) { return std::to_string(waiting_ms / 60000); }

std::string ModeText(bool hook_mode) { return hook_mode ? "ﾌｯｸ" : "ｷｰﾎﾞｰﾄﾞｲﾍﾞﾝﾄ"; }

std::string StateText(SaverState state) {
    switch (state) {
    case SaverState::Started: return "ｽｸﾘｰﾝｾｰﾊﾞｰ起動中";
    case SaverState::Stopped: return "ｽｸﾘｰﾝｾｰﾊﾞｰ停止中";
    case SaverState::Unknown: break;
    }
    return {};
}

} // namespace nappo
