#include "nappo/status_texts.h"

namespace nappo {

using vistrel::Tr;
using vistrel::Tx;

std::string OnOffText(bool active) { return Tr(active ? Tx::NappoOn : Tx::NappoOff); }

std::string WaitMinutesText(std::int64_t waiting_ms) { return std::to_string(waiting_ms / 60000); }

std::string ModeText(bool hook_mode) {
    return Tr(hook_mode ? Tx::NappoHookMode : Tx::NappoEventMode);
}

std::string StateText(SaverState state) {
    switch (state) {
    case SaverState::Started: return Tr(Tx::NappoSaverRunning);
    case SaverState::Stopped: return Tr(Tx::NappoSaverStopped);
    case SaverState::Unknown: break;
    }
    return {};
}

} // namespace nappo
