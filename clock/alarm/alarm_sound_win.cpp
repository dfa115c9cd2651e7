#include "clock/alarm/alarm_sound_win.h"

#include <mmsystem.h>

#include <memory>

#include "clock/alarm/alarm_sound_choice.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/texts.h"
#include "clock/common/wide_win.h"
#include "clock/common/window_win.h"

namespace vistrel {

namespace {
void ReportUnplayable() { ShowMessageBox(Tr(Tx::MsgCannotPlay), MsgType::Warning, MsgButtons::Ok); }
} // namespace

// The hidden window that holds one media file's device and hears when its playback ends.
class TfrmMCI final : public Window {
public:
    static constexpr const wchar_t* kClassName = L"TfrmMCI";

    explicit TfrmMCI(AlarmSound* owner) : owner_(owner) {}

    void Create() {
        RegisterClassOnce(kClassName);
        // A message-only window: it is never shown and only receives the player's reports.
        CreateOf(kClassName, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE);
        self_owned_ = true;
    }

    // Opens the file (the device chosen by its extension) and starts it, to be reported here
    // when it ends. False when it cannot be opened or played.
    bool PlayFile(const std::string& path) {
        const std::wstring element = Widen(path);
        MCI_OPEN_PARMSW open{};
        open.lpstrElementName = element.c_str();
        if (mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                            reinterpret_cast<DWORD_PTR>(&open)) != 0) {
            return false;
        }
        device_.reset(open.wDeviceID);
        MCI_PLAY_PARMS play{};
        play.dwCallback = reinterpret_cast<DWORD_PTR>(hwnd());
        return mciSendCommandW(device_.get(), MCI_PLAY, MCI_NOTIFY,
                               reinterpret_cast<DWORD_PTR>(&play)) == 0;
    }

    void Close() { DestroyWindow(hwnd()); }
    void Detach() { owner_ = nullptr; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case MM_MCINOTIFY:
            if (static_cast<MCIDEVICEID>(lp) != device_.get()) return 0;
            // An abort or a superseded play is this program's own doing and is dealt with
            // where it was done.
            if (wp == MCI_NOTIFY_SUCCESSFUL) {
                Close();
            } else if (wp == MCI_NOTIFY_FAILURE) {
                // The device gave up after it had started: as unplayable as a file that
                // would not open, and nothing plays any more.
                ReportUnplayable();
                Close();
            }
            return 0;
        case WM_DESTROY: device_.reset(); return 0;
        default: return Default(msg, wp, lp);
        }
    }

    void OnFinalMessage() override {
        if (owner_) owner_->HolderGone(this);
        if (self_owned_) delete this;
    }

private:
    AlarmSound* owner_;
    UniqueMciDevice device_;
    bool self_owned_ = false;
};

AlarmSound::AlarmSound(Beeper beep) : beep_(std::move(beep)) {
    if (!beep_) beep_ = [](unsigned type) { MessageBeep(type); };
}

AlarmSound::~AlarmSound() {
    if (!holder_) return;
    TfrmMCI* holder = holder_;
    holder_ = nullptr;
    holder->Detach();
    holder->Close();
}

HWND AlarmSound::HolderWindow() const { return holder_ ? holder_->hwnd() : nullptr; }

void AlarmSound::Play(const std::string& text) {
    const SoundChoice choice = ChooseSound(text);
    switch (choice.kind) {
    case SoundChoice::Kind::None: return;
    case SoundChoice::Kind::Beep: beep_(choice.beep_type); return;
    case SoundChoice::Kind::File: PlayFile(text); return;
    }
}

void AlarmSound::PlayFile(const std::string& path) {
    bool playing = false;
    TfrmMCI* mine = nullptr;
    {
        // One report when it is over, not one for the old file's end and one for the new start.
        const ReentryGuard::Scope swapping(swapping_);
        // The old holder's end clears the reference before the new one is stored. Pending
        // messages may start another file meanwhile: that one goes too.
        while (holder_) {
            CloseHolder();
            ProcessMessages();
        }
        auto holder = std::make_unique<TfrmMCI>(this);
        holder->Create();
        holder_ = mine = holder.release(); // the window owns it now
        playing = mine->PlayFile(path);
    }
    if (playing) {
        ReportState();
        return;
    }
    ReportUnplayable();
    // Nothing plays, so the stop command has nothing to stop either. (The box let messages
    // run: a file started meanwhile keeps playing.)
    if (holder_ == mine) CloseHolder();
    ReportState();
}

void AlarmSound::Stop() {
    // The holder's end lets messages run; a stop asked for meanwhile has nothing more to do.
    const auto stopping = stopping_.Enter();
    if (!stopping || !holder_) return;
    CloseHolder();
    ProcessMessages();
}

void AlarmSound::CloseHolder() {
    if (holder_) holder_->Close(); // its end calls HolderGone
}

void AlarmSound::HolderGone(TfrmMCI* holder) {
    if (holder_ != holder) return;
    holder_ = nullptr;
    ReportState();
}

void AlarmSound::ReportState() {
    if (swapping_.Busy() || reported_ == IsPlaying()) return;
    reported_ = IsPlaying();
    if (on_state_changed) on_state_changed(reported_);
}

} // namespace vistrel
