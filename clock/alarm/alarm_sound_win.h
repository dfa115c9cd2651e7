// The alarm sounds: the system's beeps, and media files played through a hidden holder window
// that receives the player's end-of-playback report. One file plays at a time: a new one
// replaces the one playing.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "clock/common/reentry_guard.h"

namespace vistrel {

class TfrmMCI;

class AlarmSound {
public:
    // Sounds a MessageBeep type; tests record it instead.
    using Beeper = std::function<void(unsigned type)>;

    explicit AlarmSound(Beeper beep = {});
    ~AlarmSound();
    AlarmSound(const AlarmSound&) = delete;
    AlarmSound& operator=(const AlarmSound&) = delete;

    // PlayAlarmSound: nothing for silence, a beep for a system sound name, else the text is a
    // media file, which replaces any file playing. A file that cannot be played is reported in
    // a message box.
    void Play(const std::string& text);
    // MCIStopCmd1: stops the file playing; nothing when none plays.
    void Stop();
    // A file is playing: the stop command is enabled while this holds.
    bool IsPlaying() const { return holder_ != nullptr; }
    // Called with IsPlaying() whenever it changes, so that the stop command follows it.
    std::function<void(bool playing)> on_state_changed;

    // The hidden holder window while a file plays, for tests.
    HWND HolderWindow() const;

private:
    friend class TfrmMCI;
    void PlayFile(const std::string& path);
    void CloseHolder();
    void HolderGone(TfrmMCI* holder);
    void ReportState();

    Beeper beep_;
    TfrmMCI* holder_ = nullptr;
    bool reported_ = false;
    ReentryGuard swapping_; // inside Play: reports refused, one at its end
    ReentryGuard stopping_; // inside Stop: a second stop is refused
};

} // namespace vistrel
