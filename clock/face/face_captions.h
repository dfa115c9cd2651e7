// Where the date and time texts stand: above or below the centre, and how far from it.
#pragma once

#include "clock/face/face_metrics.h"
#include "clock/face/face_numerals.h"

namespace vistrel {

// DateSide: true puts the date above the centre. Position codes: 0 by morning/afternoon,
// 1 opposite the hour hand, 2 above, 3 below; an unknown code keeps `previous`.
bool DateSideFor(int date_char_pos, int hour, bool previous);
// TimeSide: 0 opposite the date, 1 above, 2 below; an unknown code keeps `previous`.
bool TimeSideFor(int time_char_pos, bool date_side, bool previous);

// The top left corner of a caption of extent `text`, centred across the window, `in_out`
// twentieths (held in 0..20) of the free radius away from the centre line. This is the place
// at offset 0; the shadow and its white copy in the shape image go d further right and down.
Point CaptionTopLeft(const FaceMetrics& face, TextExtent text, int in_out, bool above);

} // namespace vistrel
