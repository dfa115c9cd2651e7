// Making sure the computer is online before the time server is asked, and hanging up afterwards
// a dial-up connection that this adjustment made.
#pragma once

namespace vistrel {

// The platform's remote-access and automatic-dialling services.
class DialUpPlatform {
public:
    virtual ~DialUpPlatform() = default;
    // The remote-access library exists and can enumerate connections.
    virtual bool RasAvailable() = 0;
    // Active dial-up connections; 0 when they cannot be counted (the user has been told).
    virtual int RasConnectionCount() = 0;
    // Dials unattended with the platform's automatic-dialling entry; true when connected.
    virtual bool AutoDial() = 0;
    // Lets the platform try to connect its own way; true when connected.
    virtual bool AttemptConnect() = 0;
    virtual void AutoDialHangUp() = 0;
};

struct DialUpSettings {
    bool auto_dial = true;
    bool auto_hang_up = true;
    bool error_hang_up = false;
};

struct ConnectOutcome {
    bool ok = false;
    bool connected_by_this_run = false;
};

// Dials only when remote access exists and no connection is up yet.
ConnectOutcome ConnectStep(DialUpPlatform& platform, const DialUpSettings& settings);

// Hangs up only a connection of this run, with AutoHangUp, and after a failed query only with
// ErrorHangUp as well.
void HangUpStep(DialUpPlatform& platform, const DialUpSettings& settings,
                bool connected_by_this_run, bool failed);

} // namespace vistrel
