#include "clock/face/style_limits.h"

#include <algorithm>

namespace vistrel {

namespace {

void Clamp(int& value, int low, int high) { value = std::clamp(value, low, high); }

} // namespace

TOptionItem ClampedForDrawing(const TOptionItem& option) {
    TOptionItem o = option;
    Clamp(o.MojiBanPos, 0, 20);
    Clamp(o.DateCharInOut, 0, 20);
    Clamp(o.TimeCharInOut, 0, 20);
    Clamp(o.ThickPos, 0, 100);
    Clamp(o.Thick5Size, 0, 100);
    Clamp(o.ThickSize, 0, 100);
    Clamp(o.DateSize, 0, 10);
    Clamp(o.TimeSize, 0, 10);
    Clamp(o.MojiSize, 0, 10);
    Clamp(o.MojiBanPitchWidth, 20, 50);
    for (int TOptionItem::*w :
         {&TOptionItem::HNeedleW, &TOptionItem::MNeedleW, &TOptionItem::SNeedleW,
          &TOptionItem::HLongLen, &TOptionItem::MLongLen, &TOptionItem::SLongLen}) {
        Clamp(o.*w, 0, 100);
    }
    for (int TOptionItem::*len :
         {&TOptionItem::HShortLen, &TOptionItem::MShortLen, &TOptionItem::SShortLen}) {
        Clamp(o.*len, 0, 30);
    }
    Clamp(o.FramePos, 1, 100);
    Clamp(o.FrameWidth, 1, 100);
    return o;
}

} // namespace vistrel
