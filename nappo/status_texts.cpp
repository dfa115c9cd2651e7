#include "nappo/status_texts.h"

namespace nappo {

using vistrel::TextBook;
using vistrel::Tx;

std::string OnOffText(bool active, const TextBook& texts) {
    return texts(active ? Tx::NappoOn : Tx::NappoOff);
}

std::string WaitMinutesText(std::int64_t waiting_ms) { return std::to_string(waiting_ms / 60000); }

std::string ModeText(bool hook_mode, const TextBook& texts) {
    return texts(hook_mode ? Tx::NappoHookMode : Tx::NappoEventMode);
}

std::string StateText(SaverState state, const TextBook& texts) {
    switch (state) {
    case SaverState::Started: return texts(Tx::NappoSaverRunning);
    case SaverState::Stopped: return texts(Tx::NappoSaverStopped);
    case SaverState::Unknown: break;
    }
    return {};
}

} // namespace nappo
