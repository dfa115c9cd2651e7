// The arithmetic and texts of the alarm notification windows, kept free of the window system so
// that they can be checked natively: the board's scrolling, its speed table and placement, the
// sticky note's tab width, and what each window shows of the fired record.
#pragma once

#include <string>

#include "clock/alarm/alarm_item.h"

namespace vistrel {

// Point size of a notification's text. The editor offers 9 to 20; a damaged file may hold
// anything, and a font of a thousand points would fill the screen, so the size is kept sane.
int AlarmFontPoints(int record_size);

// What the windows show of a record.
std::string AlarmMsgTitle(const TAlarmItem& item);     // title of the normal window
std::string AlarmFusenCaption(const TAlarmItem& item); // caption of the sticky note's tab
std::string AlarmMemoText(const TAlarmItem& item);     // an empty line, then the message
std::string AlarmBoardText(const TAlarmItem& item);    // time, message, trailing blank

// How often the board moves its text and by how many pixels. "Speed" runs from 1 (fastest)
// to 6 (slowest); a value outside that range from a hand-edited file counts as the nearest end,
// since 0 would ask for a timer of no interval and a negative one for none at all.
struct BoardSpeed {
    int interval_ms;
    int step;
};
BoardSpeed BoardSpeedOf(int speed);

// The board's text running from the right edge of its image to past its left edge, pass after
// pass. After `times` passes it asks to close; 0 (or less) never asks.
class BoardScroll {
public:
    BoardScroll(int image_width, int text_width, int step, int times);

    struct Step {
        int draw_x; // where the text is drawn in this tick
        bool close; // the last pass has ended
    };
    // One timer tick: moves the text left by the step; once the text has left the image, the
    // next pass starts at its right edge.
    Step Advance();

    int x() const { return x_; }
    int passes() const { return passes_; }
    int text_width() const { return text_width_; }

private:
    int image_width_;
    int text_width_;
    int step_;
    int times_;
    int x_;
    int passes_ = 0;
};

// The board's top below the clock's caption: low on the face while the caption text stands
// above the centre, else a quarter of the way down.
int BoardTop(int clock_top, int clock_height, bool caption_above);
// The board's height around one line of text inside its bevelled panel.
int BoardHeight(int text_height, int bevel_width, int border_width);

// Width of the sticky note's tab: the caption's text, the close button's panel and the tab's
// bevels on both sides of both panels.
int FusenTabWidth(int caption_width, int button_panel_width, int bevel_width);

} // namespace vistrel
