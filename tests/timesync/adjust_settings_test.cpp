#include "clock/timesync/adjust_settings.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(AdjustSettings, EachSettingReachesItsOwnField) {
    TOptionItem o;
    o.Server = "127.0.0.1";
    o.TimeOut = 9;
    o.ShowResult = false;
    o.OnlyResultMsg = true;
    o.AutoDial = false;
    o.AutoHangUp = false;
    o.ErrorHangUp = true;
    const AdjustSettings a = AdjustSettingsFrom(o);
    EXPECT_EQ(a.server, "127.0.0.1");
    EXPECT_EQ(a.time_out_s, 9);
    EXPECT_FALSE(a.show_result);
    EXPECT_TRUE(a.only_result_msg);
    EXPECT_FALSE(a.dial_up.auto_dial);
    EXPECT_FALSE(a.dial_up.auto_hang_up);
    EXPECT_TRUE(a.dial_up.error_hang_up);
    // The record's default server is the one an adjustment asks.
    EXPECT_EQ(AdjustSettingsFrom(TOptionItem{}).server, TOptionItem{}.Server);
}
