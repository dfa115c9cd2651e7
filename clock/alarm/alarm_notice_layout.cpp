#include "clock/alarm/alarm_notice_layout.h"

#include <algorithm>

#include "clock/common/date_format.h"
#include "clock/common/vocabulary.h"

namespace vistrel {

namespace {
constexpr int kDefaultPoints = 9;
constexpr int kMaxPoints = 200;
} // namespace

int AlarmFontPoints(int record_size) {
    if (record_size < 1) return kDefaultPoints;
    return std::min(record_size, kMaxPoints);
}

std::string AlarmMsgTitle(const TAlarmItem& item) {
    return FormatDateTime(AlarmDateTimeFormat, item.next_time) + " - Vistrel";
}

std::string AlarmFusenCaption(const TAlarmItem& item) {
    return FormatDateTime(AlarmTimeFormat, item.next_time);
}

std::string AlarmMemoText(const TAlarmItem& item) { return "\r\n" + item.message; }

std::string AlarmBoardText(const TAlarmItem& item) {
    // The trailing blank is drawn with its background: as the text moves left it wipes what
    // the previous step left of the last letter.
    return FormatDateTime(AlarmTimeFormat, item.next_time) + " " + item.message + " ";
}

BoardSpeed BoardSpeedOf(int speed) {
    speed = std::clamp(speed, 1, 6);
    if (speed < 3) return {speed * 50, 4 - speed};
    return {speed * 50 - 100, 1};
}

BoardScroll::BoardScroll(int image_width, int text_width, int step, int times)
    : image_width_(image_width), text_width_(text_width), step_(step), times_(times),
      x_(image_width) {}

BoardScroll::Step BoardScroll::Advance() {
    x_ -= step_;
    const int drawn = x_;
    if (x_ > -text_width_) return {drawn, false};
    x_ = image_width_;
    ++passes_;
    return {drawn, passes_ == times_};
}

int BoardTop(int clock_top, int clock_height, bool caption_above) {
    if (caption_above) return clock_top + static_cast<int>(clock_height / 100.0 * 63);
    return clock_top + clock_height / 4;
}

int BoardHeight(int text_height, int bevel_width, int border_width) {
    return text_height + 2 * (bevel_width + border_width) + 4;
}

int FusenTabWidth(int caption_width, int button_panel_width, int bevel_width) {
    return caption_width + button_panel_width + 4 * bevel_width;
}

} // namespace vistrel
