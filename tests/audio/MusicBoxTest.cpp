#include "TempFolder.h"
#include "engine/MusicBoxClass.h"
#include "platform/AudioRecordingDevice.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class MusicBoxTest : public testing::Test {
protected:
    TTempFolder folder{"music"};
    TRecordingAudioDevice device;
    TMusicBox music{device};

    void Load(const std::string& leaveOut = "") {
        for (int track = 0; track < TMusicBox::TrackCount; ++track)
            if (TMusicBox::TrackFileName(track) != leaveOut)
                folder.Write(TMusicBox::TrackFileName(track));
        music.Path = folder.Path();
        music.LoadMusic();
    }
    TAudioStream StreamOf(const std::string& fileName) const {
        for (TAudioStream stream = 1; stream <= device.Streams.size(); ++stream)
            if (device.Stream(stream).Path.ends_with("/" + fileName)) return stream;
        return NoAudioStream;
    }
    bool Plays(const std::string& fileName) const {
        const TAudioStream stream = StreamOf(fileName);
        return stream != NoAudioStream && device.Stream(stream).Playing;
    }
    // Runs frames until the track plays at full volume.
    void SettleOn(int track) {
        music.RequestTrack(track);
        for (int frame = 0; frame < 200; ++frame) music.Update();
        ASSERT_EQ(music.CurrentTrack(), track);
        ASSERT_EQ(music.FadeVolume(), music.Volume());
    }
};

TEST_F(MusicBoxTest, OpensTheSixTracksOnlyLevelClearPlaysOnce) {
    Load();
    EXPECT_EQ(music.StreamCount(), 6);
    EXPECT_EQ(device.Stream(StreamOf("LevelClear.ogg")).Kind, TAudioStreamKind::Music);
    EXPECT_EQ(device.Stream(StreamOf("Splash.ogg")).Kind, TAudioStreamKind::LoopedMusic);
    EXPECT_EQ(device.Stream(StreamOf("Upgrade2.ogg")).Kind, TAudioStreamKind::LoopedMusic);
}

TEST_F(MusicBoxTest, StartUpSilenceFadesInThenTheFirstRequestFadesItOut) {
    Load();
    music.SetVolume(100);
    EXPECT_EQ(music.CurrentTrack(), TMusicBox::NoTrack);
    for (int frame = 1; frame <= 10; ++frame) {
        music.Update();
        EXPECT_EQ(music.FadeVolume(), 2 * frame);
    }
    music.RequestTrack(0);
    for (int frame = 1; frame <= 4; ++frame) {
        music.Update();
        EXPECT_EQ(music.FadeVolume(), 20 - 5 * frame);
        EXPECT_FALSE(Plays("Splash.ogg"));
    }
    music.Update();
    EXPECT_TRUE(Plays("Splash.ogg"));
    EXPECT_EQ(music.FadeVolume(), 0);
}

TEST_F(MusicBoxTest, TrackChangeFadesOutOverTwentyFramesAndInOverFifty) {
    Load();
    music.SetVolume(100);
    SettleOn(1);

    // Asking for the playing track changes nothing.
    music.RequestTrack(1);
    music.Update();
    EXPECT_TRUE(music.FadingIn());
    EXPECT_EQ(music.FadeVolume(), 100);

    music.RequestTrack(2);
    const TAudioStream track1 = StreamOf("MainGame1.ogg");
    const TAudioStream track2 = StreamOf("MainGame2.ogg");
    for (int frame = 1; frame <= 20; ++frame) {
        music.Update();
        EXPECT_EQ(music.FadeVolume(), 100 - 5 * frame) << "frame " << frame;
        EXPECT_EQ(device.Stream(track1).Volume, 100 - 5 * frame);
        EXPECT_TRUE(Plays("MainGame1.ogg"));
    }
    const int playsBefore = device.Stream(track2).PlayCount;
    music.Update();
    EXPECT_EQ(music.CurrentTrack(), 2);
    EXPECT_FALSE(Plays("MainGame1.ogg"));
    EXPECT_TRUE(Plays("MainGame2.ogg"));
    EXPECT_EQ(device.Stream(track2).PlayCount, playsBefore + 1) << "starts from its beginning";
    EXPECT_EQ(device.Stream(track2).Volume, 0);
    for (int frame = 1; frame <= 50; ++frame) {
        music.Update();
        EXPECT_EQ(device.Stream(track2).Volume, 2 * frame) << "frame " << frame;
    }
    music.Update();
    EXPECT_EQ(music.FadeVolume(), 100);
}

TEST_F(MusicBoxTest, RequestingTheCurrentTrackDuringAFadeKeepsTheFade) {
    Load();
    SettleOn(1);
    music.RequestTrack(2);
    music.Update();
    music.RequestTrack(1);
    EXPECT_EQ(music.NextTrack(), 2);
    EXPECT_FALSE(music.FadingIn());
}

TEST_F(MusicBoxTest, VolumeIsClampedAndAppliedByTheNextUpdate) {
    Load();
    music.SetVolume(150);
    EXPECT_EQ(music.Volume(), 100);
    music.SetVolume(-5);
    EXPECT_EQ(music.Volume(), 0);
    music.SetVolume(100);
    SettleOn(4);
    music.SetVolume(40);
    EXPECT_EQ(device.Stream(StreamOf("Upgrade1.ogg")).Volume, 100);
    music.Update();
    EXPECT_EQ(device.Stream(StreamOf("Upgrade1.ogg")).Volume, 40);
    music.SetVolume(50);
    music.Update();
    EXPECT_EQ(music.FadeVolume(), 42);
}

TEST_F(MusicBoxTest, LevelClearPlaysOnceAndStaysSilent) {
    Load();
    SettleOn(3);
    EXPECT_TRUE(Plays("LevelClear.ogg"));
    device.Finish(StreamOf("LevelClear.ogg"));
    for (int frame = 0; frame < 100; ++frame) music.Update();
    EXPECT_EQ(device.Stream(StreamOf("LevelClear.ogg")).PlayCount, 1);
    EXPECT_TRUE(device.PlayingStreams().empty());
}

TEST_F(MusicBoxTest, AMissingTrackStaysSilentAndTheOthersKeepTheirNumbers) {
    testing::internal::CaptureStderr();
    Load("MainGame1.ogg");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("MainGame1.ogg"), std::string::npos) << errors;
    EXPECT_EQ(music.StreamCount(), 5);
    music.SwitchTo(2);
    EXPECT_TRUE(Plays("MainGame2.ogg"));
    music.SwitchTo(1);
    EXPECT_EQ(music.CurrentTrack(), 1);
    EXPECT_TRUE(device.PlayingStreams().empty());
    music.SwitchTo(5);
    EXPECT_TRUE(Plays("Upgrade2.ogg"));
    music.SwitchTo(-1);
    EXPECT_TRUE(device.PlayingStreams().empty());
}

TEST_F(MusicBoxTest, ATrackThatIsNoFileIsNotOpenedAndTheCauseIsSaid) {
    // Opened by name, it would stream zeros for ever.
    std::filesystem::create_symlink("/dev/zero", folder.Path() + "Splash.ogg");
    testing::internal::CaptureStderr();
    Load("Splash.ogg");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Splash.ogg (not a regular file but a device)"), std::string::npos)
        << errors;
    EXPECT_EQ(music.StreamCount(), 5);
}

} // namespace
