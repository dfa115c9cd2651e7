#include "clock/alarm/alarm_sound_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "clock/common/message_box.h"
#include "clock/common/vocabulary.h"
#include "clock/common/window_win.h"
#include "support/pump_win.h"
#include "support/scratch_folder.h"

using namespace vistrel;
using test_support::PumpUntil;

namespace {

// A mono 8-bit PCM file of the given length, a plain square wave.
std::string Wave(int milliseconds) {
    const std::uint32_t rate = 8000;
    const std::uint32_t samples = rate * static_cast<std::uint32_t>(milliseconds) / 1000;
    std::string out;
    auto u32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&out](std::uint16_t v) {
        out.push_back(static_cast<char>(v & 0xFF));
        out.push_back(static_cast<char>(v >> 8));
    };
    out += "RIFF";
    u32(36 + samples);
    out += "WAVEfmt ";
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate); // bytes per second
    u16(1);    // block align
    u16(8);    // bits per sample
    out += "data";
    u32(samples);
    for (std::uint32_t i = 0; i < samples; ++i) out.push_back((i / 10) % 2 ? '\xC0' : '\x40');
    return out;
}

class AlarmSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitVocabulary();
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            boxes.push_back(call);
            return MsgResult::Ok;
        });
        sound.on_state_changed = [this](bool playing) { states.push_back(playing); };
    }
    void TearDown() override { SetMessageBoxAnswererForTests({}); }

    std::string WaveFile(const std::string& name, int ms) {
        const std::string path = folder.File(name);
        test::WriteBytes(path, Wave(ms));
        return path;
    }

    test::ScratchFolder folder;
    std::vector<unsigned> beeps;
    AlarmSound sound{[this](unsigned type) { beeps.push_back(type); }};
    std::vector<MessageBoxCall> boxes;
    std::vector<bool> states;
};

} // namespace

TEST_F(AlarmSoundTest, SystemSoundNamesBeepAndSilenceSoundsNothing) {
    for (int i = 0; i <= 5; ++i) sound.Play(SoundNames[i]);
    sound.Play("");
    EXPECT_EQ(beeps, (std::vector<unsigned>{MB_OK, MB_ICONHAND, MB_ICONEXCLAMATION, MB_ICONASTERISK,
                                            MB_ICONQUESTION}));
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_TRUE(states.empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(AlarmSoundTest, FilePlaysToItsEndAndTheStopCommandFollows) {
    sound.Play(WaveFile("short.wav", 200));
    ASSERT_TRUE(boxes.empty()) << "the sound device cannot play: " << boxes[0].text;
    EXPECT_TRUE(sound.IsPlaying());
    const HWND holder = sound.HolderWindow();
    ASSERT_NE(holder, nullptr);
    EXPECT_FALSE(IsWindowVisible(holder));

    EXPECT_TRUE(PumpUntil([&] { return !sound.IsPlaying(); }, 10000));
    // Played to its end: a device that gave up on the way would have said so.
    EXPECT_TRUE(boxes.empty()) << boxes[0].text
                               << " (without a sound card, run through tools/run_tests.sh, "
                                  "which gives the tests an ALSA null device)";
    EXPECT_FALSE(IsWindow(holder)); // the holder freed itself at the end
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
    EXPECT_TRUE(beeps.empty());
}

TEST_F(AlarmSoundTest, SecondFileReplacesTheFirstAndStopEndsIt) {
    const std::string long_wave = WaveFile("long.wav", 20000);
    sound.Play(long_wave);
    ASSERT_TRUE(boxes.empty()) << "the sound device cannot play: " << boxes[0].text;
    const HWND first = sound.HolderWindow();
    sound.Play(WaveFile("second.wav", 20000));
    const HWND second = sound.HolderWindow();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_TRUE(sound.IsPlaying());
    // The replacement is no end of playing: the stop command stays enabled throughout.
    EXPECT_EQ(states, (std::vector<bool>{true}));

    sound.Stop();
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
    sound.Stop(); // nothing playing: nothing happens
    EXPECT_EQ(states, (std::vector<bool>{true, false}));

    // Playing again after a stop works as the first time.
    sound.Play(long_wave);
    EXPECT_TRUE(sound.IsPlaying());
    EXPECT_EQ(states, (std::vector<bool>{true, false, true}));
}

TEST_F(AlarmSoundTest, UnplayableFileIsReportedAndLeavesNothingPlaying) {
    const std::string broken = folder.File("broken.wav");
    test::WriteBytes(broken, "RIFF and then nothing that plays");
    for (const std::string& path : {broken, folder.File("missing.wav")}) {
        boxes.clear();
        sound.Play(path);
        ASSERT_EQ(boxes.size(), 1u) << path;
        EXPECT_EQ(boxes[0].text, "このファイルは再生できません。");
        EXPECT_EQ(boxes[0].type, MsgType::Warning);
        EXPECT_EQ(boxes[0].buttons, MsgButtons::Ok);
        EXPECT_FALSE(sound.IsPlaying()) << path;
        EXPECT_EQ(sound.HolderWindow(), nullptr);
    }
    EXPECT_TRUE(states.empty());
}

TEST_F(AlarmSoundTest, EndingTheSoundObjectClosesTheHolder) {
    HWND holder = nullptr;
    {
        AlarmSound own([](unsigned) {});
        own.Play(WaveFile("own.wav", 20000));
        holder = own.HolderWindow();
        ASSERT_NE(holder, nullptr);
    }
    EXPECT_FALSE(IsWindow(holder));
}
