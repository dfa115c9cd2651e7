#include "clock/face/layer_guards.h"

#include <exception>

#include "clock/common/message_box.h"
#include "clock/common/texts.h"

namespace vistrel {

namespace {

Tx GuardLead(FaceGuard guard) {
    switch (guard) {
    case FaceGuard::Hands: return Tx::DrawHandsFailed;
    case FaceGuard::Numerals: return Tx::DrawNumeralsFailed;
    case FaceGuard::Date: return Tx::DrawDateFailed;
    case FaceGuard::Ticks: return Tx::DrawTicksFailed;
    case FaceGuard::AlarmMarks: return Tx::DrawMarksFailed;
    case FaceGuard::Frame: return Tx::DrawFrameFailed;
    case FaceGuard::Time: return Tx::DrawTimeFailed;
    case FaceGuard::ShapeScan: return Tx::DrawShapeFailed;
    case FaceGuard::Hole: return Tx::DrawHoleFailed;
    }
    return Tx::DrawHandsFailed;
}

} // namespace

std::string GuardMessage(FaceGuard guard, const std::string& error_text) {
    std::string text = Tr(GuardLead(guard)) + Tr(Tx::DrawIgnoreFromNowOn);
    if (guard == FaceGuard::Hole) text += "\r\nErrorMessage : " + error_text;
    return text;
}

std::string UnknownRenderErrorMessage(const std::string& error_text) {
    return "unknown error(SetClock)\r\nErrorMessage : " + error_text;
}

bool LayerGuards::Run(FaceGuard guard, const std::function<void()>& step) {
    std::string error_text;
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        error_text = e.what();
    } catch (...) {
        error_text = "?";
    }
    bool& shown = shown_[static_cast<std::size_t>(guard)];
    if (!shown) {
        // Set before the box opens: a render that runs while the box waits must not show it
        // a second time.
        shown = true;
        ShowWarning(GuardMessage(guard, error_text));
    }
    return false;
}

void LayerGuards::ReportUnknown(const std::string& error_text) {
    ShowWarning(UnknownRenderErrorMessage(error_text));
}

void LayerGuards::ShowWarning(const std::string& text) {
    if (hooks_.opening) hooks_.opening();
    try {
        ShowMessageBox(text, MsgType::Warning);
    } catch (...) {
        if (hooks_.closed) hooks_.closed();
        throw;
    }
    if (hooks_.closed) hooks_.closed();
}

} // namespace vistrel
