#include "TempFolder.h"
#include "engine/SFXPlayerClass.h"
#include "engine/SoundByName.h"
#include "engine/SoundStreamTable.h"
#include "engine/VoicePlayerClass.h"
#include "platform/AudioRecordingDevice.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

// The recording device opens any file that exists, so empty files stand for the sounds.
class SFXPlayerTest : public testing::Test {
protected:
    TTempFolder folder{"sfx"};
    TRecordingAudioDevice device;

    // Loads the named files (plus a file that is no sound) into a fresh player.
    std::unique_ptr<TSFXPlayer> Load(std::initializer_list<std::string> files) {
        for (const auto& file : files) folder.Write(file);
        folder.Write("notes.txt");
        auto player = std::make_unique<TSFXPlayer>(device);
        player->Path = folder.Path();
        player->LoadSounds();
        return player;
    }
    std::string PathOf(TAudioStream stream) const {
        return std::filesystem::path(device.Stream(stream).Path).filename().string();
    }
};

// Loaded a few files a frame, the player ends with the same streams, and a sound asked for
// before its file is in stays silent.
TEST_F(SFXPlayerTest, LoadingAFewFilesAtATimeEndsAsLoadingAllAtOnce) {
    for (const char* name : {"ScoreCount.ogg", "Click.ogg", "Bomb.ogg", "Zap.ogg"})
        folder.Write(name);
    TSFXPlayer player(device);
    player.Path = folder.Path();
    player.StartLoadingSounds();
    EXPECT_FALSE(player.LoadMoreSounds(2));
    EXPECT_EQ(player.IndexOf("Bomb"), 0);
    EXPECT_EQ(player.IndexOf("Zap"), -1);
    player.Play("Zap"); // not in yet: nothing
    EXPECT_TRUE(player.LoadMoreSounds(2));
    EXPECT_TRUE(player.LoadMoreSounds(2)) << "done stays done";
    EXPECT_EQ(player.StreamCount(), 1 + 1 + 5 + 1);
    EXPECT_EQ(player.IndexOf("Zap"), 7);
}

TEST_F(SFXPlayerTest, LoadsOggFilesInNameOrderWithFiveCopiesOfBusySounds) {
    auto player = Load({"ScoreCount.ogg", "Click.ogg", "Bomb.ogg", "Zap.OGG"});
    ASSERT_EQ(player->StreamCount(), 1 + 1 + 5 + 1);
    EXPECT_EQ(player->IndexOf("Bomb"), 0);
    EXPECT_EQ(player->IndexOf("Click"), 1);
    EXPECT_EQ(player->IndexOf("ScoreCount"), 2);
    EXPECT_EQ(player->IndexOf("Zap"), 7);
    EXPECT_EQ(player->IndexOf("click"), -1) << "names compare case-sensitively";
    EXPECT_EQ(player->IndexOf("notes"), -1);
    for (TAudioStream stream = 3; stream <= 7; ++stream)
        EXPECT_EQ(PathOf(stream), "ScoreCount.ogg");
}

TEST_F(SFXPlayerTest, BusySoundOverlapsFiveTimesThenRestartsItsFirstCopy) {
    auto player = Load({"ScoreCount.ogg", "Scoring.ogg"});
    for (int play = 0; play < 6; ++play) player->Play("ScoreCount");
    EXPECT_THAT(device.PlayedStreams(), ElementsAre(1, 2, 3, 4, 5, 1));
    EXPECT_EQ(device.Stream(1).PlayCount, 2);

    // A copy that has finished is the next one taken.
    device.Finish(4);
    player->Play("ScoreCount");
    EXPECT_EQ(device.PlayedStreams().back(), 4u);
    EXPECT_EQ(device.Stream(6).PlayCount, 0) << "Scoring never sounds for ScoreCount";
}

TEST_F(SFXPlayerTest, OrdinarySoundRestartsAndUnknownNamesPlayNothing) {
    auto player = Load({"Click.ogg", "Bomb.ogg"});
    player->Play("Click");
    player->Play("Click");
    EXPECT_THAT(device.PlayedStreams(), ElementsAre(2, 2));
    player->Play("Clic");
    player->Play("");
    player->Play("ElementBounce1");
    player->PlayIndex(-1);
    EXPECT_EQ(device.PlayedStreams().size(), 2u);
}

TEST_F(SFXPlayerTest, AFileLargerThanAnySoundIsNotOpened) {
    folder.Write("Huge.ogg");
    std::filesystem::resize_file(folder.Path() + "Huge.ogg", MaxSoundFileBytes + 1);
    testing::internal::CaptureStderr();
    auto player = Load({"Click.ogg"});
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(player->StreamCount(), 1);
    EXPECT_EQ(device.Streams.size(), 1u) << "the device is not asked to open it";
    EXPECT_NE(errors.find("Huge.ogg (larger than the 16777216 bytes allowed"), std::string::npos)
        << errors;
}

TEST_F(SFXPlayerTest, FilesThatFailToOpenTakeNoSlot) {
    device.OpenFails = [](const std::string& path) { return path.ends_with("Bomb.ogg"); };
    testing::internal::CaptureStderr();
    auto player = Load({"Bomb.ogg", "Click.ogg"});
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(player->StreamCount(), 1);
    EXPECT_EQ(player->IndexOf("Bomb"), -1);
    EXPECT_EQ(player->IndexOf("Click"), 0);
    EXPECT_NE(errors.find("Bomb.ogg"), std::string::npos) << errors;
}

TEST_F(SFXPlayerTest, BusySoundWithAFailedCopyRotatesOverTheCopiesItHas) {
    int scoreCountOpens = 0;
    device.OpenFails = [&](const std::string& path) {
        return path.ends_with("ScoreCount.ogg") && ++scoreCountOpens == 2;
    };
    auto player = Load({"ScoreCount.ogg", "Stamper.ogg"});
    ASSERT_EQ(player->StreamCount(), 4 + 1);
    for (int play = 0; play < 6; ++play) player->Play("ScoreCount");
    EXPECT_THAT(device.PlayedStreams(), ElementsAre(1, 2, 3, 4, 1, 1));
}

TEST_F(SFXPlayerTest, StopsLoadingWhenFullAndSaysWhatWasLeftOut) {
    for (int i = 0; i < 88; ++i) folder.Write("A" + std::to_string(100 + i) + ".ogg");
    testing::internal::CaptureStderr();
    // 88 sounds, then five copies of LockerBreak of which three fit, then two with no room.
    auto player = Load({"LockerBreak.ogg", "Y1.ogg", "Y2.ogg"});
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(player->StreamCount(), TSFXPlayer::MaxStreams);
    EXPECT_EQ(player->IndexOf("LockerBreak"), 88);
    EXPECT_EQ(player->IndexOf("Y1"), -1);
    EXPECT_NE(errors.find("Y1.ogg, Y2.ogg"), std::string::npos) << errors;
    for (int play = 0; play < 4; ++play) player->Play("LockerBreak");
    EXPECT_THAT(device.PlayedStreams(), ElementsAre(89, 90, 91, 89));
}

TEST_F(SFXPlayerTest, NamesAreCutToFortyCharacters) {
    const std::string longName(45, 'x');
    auto player = Load({longName + ".ogg"});
    EXPECT_EQ(player->IndexOf(longName.substr(0, 40)), 0);
    EXPECT_EQ(player->IndexOf(longName), -1);
}

TEST_F(SFXPlayerTest, VolumeIsClampedAndReachesEveryStreamAlsoLaterOnes) {
    auto player = Load({"Click.ogg", "Bomb.ogg"});
    EXPECT_EQ(player->Volume(), 70);
    EXPECT_EQ(device.Stream(1).Volume, 70);
    player->SetVolume(150);
    EXPECT_EQ(player->Volume(), 100);
    EXPECT_EQ(device.Stream(2).Volume, 100);
    player->SetVolume(-5);
    EXPECT_EQ(player->Volume(), 0);
    EXPECT_EQ(device.Stream(1).Volume, 0);
    folder.Write("Late.ogg");
    player->LoadStream(folder.Path() + "Late.ogg");
    EXPECT_EQ(device.Stream(3).Volume, 0);
}

TEST_F(SFXPlayerTest, PlaySoundReachesTheInstalledPlayerUntilItIsDestroyed) {
    auto player = Load({"Click.ogg"});
    SetEffectSoundTarget(player.get());
    PlaySound("Click");
    player->StopAll();
    EXPECT_FALSE(device.Stream(1).Playing);
    player.reset();
    EXPECT_TRUE(device.Stream(1).Freed);
    EXPECT_EQ(EffectSoundTarget(), nullptr);
    PlaySound("Click");
    EXPECT_THAT(device.PlayedStreams(), ElementsAre(1));
}

TEST(VoicePlayer, LoadsOneGroupOfLinesAndPlaysThemByName) {
    TTempFolder folder("voices");
    for (const char* file : {"Chats/3/Chat2.ogg", "Chats/3/Chat1.ogg", "Chats/4/Chat9.ogg",
                             "Tutorial/Tutorial1.ogg", "Tutorial/Tutorial7.ogg"})
        folder.Write(file);
    TRecordingAudioDevice device;

    auto chat = std::make_unique<TVoicePlayer>(device);
    chat->Path = folder.Path();
    chat->LoadVoices(TVoicePlayer::ChatVoices, 3);
    EXPECT_EQ(chat->StreamCount(), 2);
    EXPECT_EQ(chat->IndexOf("Chat1"), 0);
    SetVoiceSoundTarget(chat.get());
    PlayVoice("Chat2");
    PlayVoice("Chat9");
    EXPECT_THAT(device.PlayedStreams(), ElementsAre(2));

    // The next group replaces the player; the old one frees its lines and lets go of PlayVoice.
    chat.reset();
    EXPECT_EQ(VoiceSoundTarget(), nullptr);
    EXPECT_TRUE(device.Stream(1).Freed && device.Stream(2).Freed);
    TVoicePlayer tutorial(device);
    tutorial.Path = folder.Path();
    tutorial.LoadTutorialVoice(7);
    tutorial.LoadTutorialVoice(8);
    EXPECT_EQ(tutorial.StreamCount(), 1);
    EXPECT_EQ(tutorial.IndexOf("Tutorial7"), 0);
}

TEST(VoicePlayer, KeepsTwentyLinesAndSaysWhichWereLeftOut) {
    TTempFolder folder("many-voices");
    for (int i = 10; i < 35; ++i) folder.Write("Tutorial/Tutorial" + std::to_string(i) + ".ogg");
    TRecordingAudioDevice device;
    TVoicePlayer player(device);
    player.Path = folder.Path();
    testing::internal::CaptureStderr();
    player.LoadVoices(TVoicePlayer::TutorialVoices, 0);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(player.StreamCount(), TVoicePlayer::MaxStreams);
    EXPECT_EQ(player.IndexOf("Tutorial29"), 19);
    EXPECT_NE(errors.find("Tutorial30.ogg"), std::string::npos) << errors;
}

} // namespace
