// A settings record in which every field that an options page edits is off its default and
// inside its control's range: filling the controls with it and reading them back must give it
// back whole.
#pragma once

#include "clock/settings/option_item.h"

namespace vistrel::test {

inline TOptionItem EveryFieldChanged() {
    TOptionItem r;
    r.DSPOrder = {6, 5, 4, 3, 2, 1, 0};
    r.ShowTray = false;
    r.DblClickAction = 3;
    r.MultiUser = false;
    TColor c = 0x010101;
    for (TColor TOptionItem::*colour :
         {&TOptionItem::ColorH,    &TOptionItem::ColorM,     &TOptionItem::ColorS,
          &TOptionItem::ColorHF,   &TOptionItem::ColorMF,    &TOptionItem::ColorSF,
          &TOptionItem::Color5,    &TOptionItem::ColorT,     &TOptionItem::Color52,
          &TOptionItem::ColorT2,   &TOptionItem::ColorD,     &TOptionItem::ColorDS,
          &TOptionItem::ColorB1,   &TOptionItem::ColorB2,    &TOptionItem::ColorBS1,
          &TOptionItem::ColorBS2,  &TOptionItem::ColorFrame, &TOptionItem::ColorFrameE,
          &TOptionItem::ColorTime, &TOptionItem::ColorTimeS, &TOptionItem::ColorThickChange}) {
        r.*colour = c;
        c += 0x010203;
    }
    r.SNeedle = true;
    r.MajorThick = false;
    r.MinorThick = false;
    r.ThickPos = 60;
    r.Thick5Size = 40;
    r.ThickSize = 20;
    r.ThickStyle = 3;
    r.ColorChange = true;
    r.ThickGuradeshon = false;
    r.MojiBan = false;
    r.MojiBanAll = false;
    r.MojiBanPos = 11;
    r.MojiBanGuradeshon = false;
    r.DateChar = false;
    r.DateCharForm = 8;
    r.DateCharFont = "Date font";
    r.DateCharBold = true;
    r.DateCharItalic = true;
    r.DateSize = 9;
    r.DateCharPos = 2;
    r.DateCharInOut = 19;
    r.DateCharShadow = false;
    r.MojiBanFont = "Numeral font";
    r.MojiBanBold = true;
    r.MojiBanItalic = false;
    r.MojiBanPitch = false;
    r.MojiBanPitchWidth = 21;
    r.MojiSize = 10;
    r.MojiBanShadow = false;
    r.WeekType = 5;
    r.MojiBanType = 2;
    r.PointType = 4;
    r.SNeedleW = 11;
    r.MNeedleW = 32;
    r.HNeedleW = 46;
    r.SLongLen = 81;
    r.MLongLen = 82;
    r.HLongLen = 51;
    r.SShortLen = 26;
    r.MShortLen = 27;
    r.HShortLen = 16;
    r.SepStyle = true;
    r.NeedleStyle = 14;
    r.MStyle = 13;
    r.SStyle = 12;
    r.AlarmUse = false;
    r.Join = 2;
    r.HRange = 3;
    r.MRange = 7;
    r.MsgType = 2;
    r.Interval = 9;
    r.Times = 4;
    r.Speed = 6;
    r.Action = 1;
    r.ReportMissed = false;
    r.WakeUp = true;
    r.SnoozeMinutes = 25;
    r.Server = "time.example";
    r.TimeOut = 300;
    r.ShowResult = false;
    r.OnlyResultMsg = true;
    r.AutoDial = false;
    r.AutoHangUp = false;
    r.ErrorHangUp = true;
    r.AutoSetTime = true;
    r.HoleSize = 100;
    r.Locked = true;
    r.Mode = 3;
    r.SlowlyHide = false;
    r.EscapeSpeed = 5;
    r.TempKey = 3;
    r.UseTrans = true;
    r.Trans = 30;
    r.FrameShow = true;
    r.FrameStyle = 2;
    r.FramePos = 1;
    r.FrameWidth = 100;
    r.TimeChar = true;
    r.TimeCharForm = 5;
    r.TimeCharFont = "Time font";
    r.TimeCharBold = true;
    r.TimeCharItalic = true;
    r.TimeSize = 0;
    r.TimeCharPos = 1;
    r.TimeCharInOut = 0;
    r.TimeCharShadow = false;
    return r;
}

} // namespace vistrel::test
