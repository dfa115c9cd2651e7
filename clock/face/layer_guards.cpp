#include "clock/face/layer_guards.h"

#include <exception>

#include "clock/common/message_box.h"

namespace vistrel {

namespace {

constexpr const char* kIgnoreFromNowOn = "\r\n以後このエラーを無視します。";

const char* GuardLead(FaceGuard guard) {
    switch (guard) {
    case FaceGuard::Hands: return "針の描画でエラーが発生しました。";
    case FaceGuard::Numerals: return "文字盤の描画でエラーが発生しました。";
    case FaceGuard::Date: return "日付の描画でエラーが発生しました。";
    case FaceGuard::Ticks: return "メモリの描画でエラーが発生しました。";
    case FaceGuard::AlarmMarks: return "アラームマークの描画でエラーが発生しました。";
    case FaceGuard::Frame: return "枠の描画でエラーが発生しました。";
    case FaceGuard::Time: return "時刻の描画でエラーが発生しました。";
    case FaceGuard::ShapeScan: return "リージョンの作成でエラーが発生しました。";
    case FaceGuard::Hole: return "ホール機能でエラーが発生しました。";
    }
    return "";
}

} // namespace

std::string GuardMessage(FaceGuard guard, const std::string& error_text) {
    std::string text = std::string(GuardLead(guard)) + kIgnoreFromNowOn;
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
