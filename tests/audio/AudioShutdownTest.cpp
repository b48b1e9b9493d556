#include "OggWriter.h"
#include "TempFolder.h"
#include "engine/MusicBoxClass.h"
#include "engine/SFXPlayerClass.h"
#include "engine/VoicePlayerClass.h"
#include "platform/AudioRecordingDevice.h"
#include "platform/AudioSdlDevice.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

// Closing the device stops and frees every stream first; the players, destroyed later, touch
// nothing any more.
TEST(AudioShutdown, ClosingFreesEverythingBeforeTheCardAndLaterFreesAreIgnored) {
    TTempFolder folder("shutdown");
    folder.Write("Sounds/Click.ogg");
    folder.Write("Music/Splash.ogg");
    TRecordingAudioDevice device;
    auto effects = std::make_unique<TSFXPlayer>(device);
    auto music = std::make_unique<TMusicBox>(device);
    effects->Path = folder.Path("Sounds");
    music->Path = folder.Path("Music");
    effects->LoadSounds();
    music->LoadMusic();
    effects->Play("Click");
    music->SwitchTo(0);

    device.Close();
    const auto callsAtClose = device.Calls.size();
    ASSERT_EQ(device.Calls.back().Call, TAudioCall::Close);
    EXPECT_TRUE(device.Stream(1).Freed && device.Stream(2).Freed);
    effects.reset();
    music.reset();
    EXPECT_EQ(device.Calls.size(), callsAtClose);
}

class RealOggTest : public testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::string whyNot;
        device = TSdlAudioDevice::Open(whyNot);
        ASSERT_NE(device, nullptr) << whyNot;
    }
    TTempFolder folder{"real-ogg"};
    std::unique_ptr<TSdlAudioDevice> device;
};

// Handles are given out in opening order from 1, which lets the test ask the device directly.
TEST_F(RealOggTest, EffectsAndMusicDecodeAndPlayThroughTheMixer) {
    ASSERT_TRUE(WriteOggTone(folder.Path("Sounds") + "Click.ogg", 0.1, 880));
    ASSERT_TRUE(WriteOggTone(folder.Path("Sounds") + "ScoreCount.ogg", 2.0, 660));
    folder.Write("Sounds/Broken.ogg", "not a sound at all");
    for (int track = 0; track < TMusicBox::TrackCount; ++track)
        ASSERT_TRUE(WriteOggTone(folder.Path("Music") + TMusicBox::TrackFileName(track), 1.0,
                                 220 + 20 * track));

    TSFXPlayer effects(*device);
    effects.Path = folder.Path("Sounds");
    testing::internal::CaptureStderr();
    effects.LoadSounds();
    const std::string errors = testing::internal::GetCapturedStderr();
    ASSERT_EQ(effects.StreamCount(), 1 + 5) << errors;
    EXPECT_NE(errors.find("Broken.ogg"), std::string::npos) << errors;
    EXPECT_EQ(effects.IndexOf("Broken"), -1);

    for (int play = 0; play < 5; ++play) effects.Play("ScoreCount");
    for (TAudioStream copy = 2; copy <= 6; ++copy) EXPECT_TRUE(device->IsPlaying(copy));
    EXPECT_FALSE(device->IsPlaying(1));
    effects.SetVolume(30);
    effects.StopAll();
    for (TAudioStream copy = 2; copy <= 6; ++copy) EXPECT_FALSE(device->IsPlaying(copy));

    TMusicBox music(*device);
    music.Path = folder.Path("Music");
    music.LoadMusic();
    ASSERT_EQ(music.StreamCount(), 6);
    music.SwitchTo(1);
    EXPECT_TRUE(device->IsPlaying(7 + 1));
    music.SwitchTo(2);
    EXPECT_FALSE(device->IsPlaying(7 + 1));
    EXPECT_TRUE(device->IsPlaying(7 + 2));
    music.Update();

    // Shutdown as the controller does it: stop, free and close, then the players go.
    effects.Play("Click");
    device->Close();
    EXPECT_FALSE(device->IsPlaying(7 + 2));
}

TEST(AudioDevice, WithoutASoundCardTheGameRunsSilentAndSaysSoOnce) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    auto device = OpenAudioDevice();
    const std::string errors = testing::internal::GetCapturedStderr();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_NE(dynamic_cast<TNullAudioDevice*>(device.get()), nullptr);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("without sound"), std::string::npos) << errors;

    // Every player works on it without a sound.
    TTempFolder folder("silent");
    folder.Write("Click.ogg");
    TSFXPlayer effects(*device);
    effects.Path = folder.Path();
    effects.LoadSounds();
    effects.Play("Click");
    EXPECT_EQ(effects.StreamCount(), 1);
}

} // namespace
