// The error guards around the steps of a render: a failing layer is reported once per run and
// the render goes on with the next step, so that one broken layer never stops the clock.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace vistrel {

enum class FaceGuard { Hands, Numerals, Date, Ticks, AlarmMarks, Frame, Time, ShapeScan, Hole };
inline constexpr int kFaceGuardCount = 9;

// The message a guard shows; the hole's message is followed by the error's own text.
std::string GuardMessage(FaceGuard guard, const std::string& error_text);
// Shown every time for an error that no layer guard caught.
std::string UnknownRenderErrorMessage(const std::string& error_text);

class LayerGuards {
public:
    // Called around every message box: the tick must not run while a box waits for the user.
    struct BoxHooks {
        std::function<void()> opening;
        std::function<void()> closed;
    };
    void SetBoxHooks(BoxHooks hooks) { hooks_ = std::move(hooks); }

    // Runs step; returns false when it failed (and has been reported if it was the first time).
    bool Run(FaceGuard guard, const std::function<void()>& step);
    // Reports an error that escaped the layer guards, every time.
    void ReportUnknown(const std::string& error_text);

    bool Shown(FaceGuard guard) const { return shown_[static_cast<std::size_t>(guard)]; }

private:
    void ShowWarning(const std::string& text);

    std::array<bool, kFaceGuardCount> shown_{};
    BoxHooks hooks_;
};

} // namespace vistrel
