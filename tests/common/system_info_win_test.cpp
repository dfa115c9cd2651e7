#include "clock/common/system_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "clock/common/fpu.h"

using namespace vistrel;

TEST(SystemInfoWin, AnswersForThisSystem) {
    // Wine presents itself as a Windows of the NT family, newer than 2000/XP.
    EXPECT_TRUE(IsWindowsNT());
    EXPECT_FALSE(IsWindows95());
    EXPECT_FALSE(IsWindowsNT5());
    EXPECT_FALSE(CurrentUserName().empty());
    EXPECT_GE(ScreenColourDepth(), 8);
}

TEST(SystemInfoWin, RasCheckFreesTheLibraryAndResetsTheFpu) {
    const bool loaded_before = GetModuleHandleW(L"rasapi32.dll") != nullptr;
    const auto saved = CurrentFpuControlWord();
    const std::uint16_t foreign = 0x0E7F;
    asm volatile("fldcw %0" : : "m"(foreign));
    SetResetFpu(true);
    EXPECT_TRUE(RasAvailable()); // Wine ships the library
    EXPECT_EQ(CurrentFpuControlWord() & 0x1F3F, kProgramFpuControlWord & 0x1F3F);
    SetResetFpu(false);
    asm volatile("fldcw %0" : : "m"(saved));
    if (!loaded_before) {
        EXPECT_EQ(GetModuleHandleW(L"rasapi32.dll"), nullptr);
    }
}
