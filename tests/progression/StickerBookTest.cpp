// The sticker book: which stickers show and fade in, the picture's stage, the walkers.
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/RecordingImageTarget.h"
#include "progression/BuildingCitizensClass.h"
#include "progression/StickerBookObjectsClass.h"

#include <gtest/gtest.h>

namespace {

const TStickerEntry& EntryOf(const TStickerBookObjects& book, TStickerBookItemType type) {
    for (const TStickerEntry& entry : book.Entries())
        if (entry.ItemType == type) return entry;
    static const TStickerEntry none;
    return none;
}

void RevealIsland(TStickerBookObjects& book, int island) {
    for (int slot = 1; slot <= 4; ++slot) book.Reveal(StickerOfSlot(island, slot));
}

} // namespace

TEST(StickerBook, ANewStickerFadesInOnceAndIsInThePictureWhenWhole) {
    TStickerBookObjects book;
    const TStickerBookItemType huts = StickerOfSlot(2, 1);
    book.RevealAndHighlight(huts);
    book.UpdateStage();
    EXPECT_TRUE(book.IsShown(huts));
    int ticks = 0;
    while (EntryOf(book, huts).Alpha < 255 && ticks < 100) {
        EXPECT_FALSE(book.IsInPicture(huts)) << "still fading at tick " << ticks;
        EXPECT_FALSE(EntryOf(book, huts).AmbiencePlayed);
        book.Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 43); // 6 a tick up to 255
    EXPECT_TRUE(book.IsInPicture(huts));
    EXPECT_TRUE(EntryOf(book, huts).AmbiencePlayed);

    // Saved and loaded: there at once, nothing fades or sounds again.
    TStickerBookObjects loaded;
    loaded.SetShownFlags(book.GetShownFlags());
    EXPECT_EQ(EntryOf(loaded, huts).Alpha, 255);
    EXPECT_TRUE(EntryOf(loaded, huts).AmbiencePlayed);
    EXPECT_TRUE(loaded.IsInPicture(huts));
}

TEST(StickerBook, TheHighlightFadesFastThenSlowlyAndEnds) {
    TStickerBookObjects book;
    book.RevealAndHighlight(StickerOfSlot(1, 1));
    EXPECT_TRUE(book.Highlighting());
    for (int i = 0; i < 11; ++i) book.TickHighlight();
    EXPECT_NEAR(book.Glow(), 0.67f, 1e-4);
    int ticks = 0;
    while (book.Highlighting() && ticks < 1000) {
        book.TickHighlight();
        ++ticks;
    }
    EXPECT_FALSE(book.Highlighting());
    EXPECT_GT(ticks, 300) << "below 0.7 it fades slowly";
}

TEST(StickerBook, TheStageMovesOnWithTheIslandsWorksAndHoldsThemInItsBackground) {
    TStickerBookObjects book;
    book.UpdateStage();
    EXPECT_EQ(book.Stage(), 0);
    EXPECT_EQ(book.BackgroundName(), "ciBG1");
    // The open sea alone: stage 1, and its sticker is the background's, not a fading sticker.
    book.Reveal(StickerOfSlot(1, 3));
    book.UpdateStage();
    EXPECT_EQ(book.Stage(), 1);
    EXPECT_EQ(book.BackgroundName(), "ciBG2");
    book.Tick();
    EXPECT_EQ(EntryOf(book, StickerOfSlot(1, 3)).Alpha, 0);
    EXPECT_TRUE(book.IsInPicture(StickerOfSlot(1, 3)));

    const int stages[] = {3, 4, 5, 6, 7};
    for (int island = 1; island <= 5; ++island) {
        RevealIsland(book, island);
        book.UpdateStage();
        EXPECT_EQ(book.Stage(), stages[island - 1]) << "island " << island;
    }
    EXPECT_EQ(book.BackgroundName(), "ciBG8");
    EXPECT_FALSE(book.GameFinished());
    book.Reveal(ciZeppelin);
    EXPECT_TRUE(book.GameFinished());
    for (int i = 0; i < 90; ++i) book.Tick();
    EXPECT_EQ(book.ZeppelinAlpha(), 255);
}

TEST(StickerBook, EmptyFlagsShowTheFliesAndNothingElse) {
    TStickerBookObjects book;
    book.SetShownFlags({});
    for (const TStickerEntry& entry : book.Entries())
        EXPECT_EQ(entry.Alpha, entry.ItemType == ciVisFlies ? 255 : 0) << int(entry.ItemType);
    EXPECT_FALSE(book.IsShown(ciVisFlies));
    EXPECT_FALSE(book.IsInPicture(ciVisFlies));
    // Every flag set: the flies have gone.
    std::array<uint8_t, StickerEntryCount> all{};
    all.fill(1);
    book.SetShownFlags(all);
    EXPECT_EQ(EntryOf(book, ciVisFlies).Alpha, 0);
    EXPECT_EQ(book.GetShownFlags(), all);
}

TEST(StickerBook, WalkersWalkOnlyWhileTheirWorkIsWholeInThePicture) {
    SetRandomSeed(5);
    TStickerBookObjects book;
    TBuildingCitizens citizens;
    citizens.OnSBItemTypeBoughtFullAlphaQuestion = [&](TStickerBookItemType type) {
        return book.IsInPicture(type);
    };
    ASSERT_GT(citizens.Count(), 0u);
    const size_t market = 0;
    ASSERT_EQ(citizens.WorkOf(market), StickerOfSlot(1, 1));
    const float startX = citizens.Citizen(market).X();
    book.Reveal(StickerOfSlot(1, 1));
    for (int tick = 0; tick < 42; ++tick) {
        book.Tick();
        citizens.Tick();
        EXPECT_FALSE(citizens.InPicture(market));
        EXPECT_EQ(citizens.Citizen(market).X(), startX);
    }
    bool walked = false;
    for (int tick = 0; tick < 400 && !walked; ++tick) {
        book.Tick();
        citizens.Tick();
        walked = citizens.Citizen(market).X() != startX;
    }
    EXPECT_TRUE(walked);
    for (size_t i = 1; i < citizens.Count(); ++i) EXPECT_FALSE(citizens.InPicture(i));
    ReleaseRandomSeed();
}

TEST(BuildingCitizen, WalksAtItsSpeedAlongTheLongerAxisAndRestsAtTheEnds) {
    SetRandomSeed(11);
    TBuildingCitizen walker;
    // Three seconds' rest after each walk.
    walker.MinIdleInterval = 3000;
    walker.MaxIdleInterval = 3000;
    walker.Speed = 2;
    walker.SetWay({0, 0}, {40, 10});
    int ticks = 0;
    while (!walker.Walking() && ticks < 1000) {
        walker.Tick(true);
        ++ticks;
    }
    ASSERT_TRUE(walker.Walking());
    const float x = walker.X();
    walker.Tick(true);
    EXPECT_FLOAT_EQ(walker.X() - x, 2) << "the longer axis moves Speed a tick";
    for (int i = 0; i < 30; ++i) walker.Tick(true);
    EXPECT_FALSE(walker.Walking());
    EXPECT_EQ(walker.X(), 40);
    EXPECT_EQ(walker.Y(), 10);
    // Told not to walk, it stays.
    walker.Tick(false);
    EXPECT_EQ(walker.X(), 40);
    ReleaseRandomSeed();
}

// A burst leaps from the middle of the sticker as it is drawn, scale included.
TEST(StickerBook, AStickersCentreIsTheMiddleOfItsFirstPicture) {
    TRecordingImageTarget pictures;
    pictures.TileSizes = {{"Upg1_1", {100, 60}}, {"Upg1_3", {683, 384}}, {"Upg5_2A", {40, 20}}};
    SetMainImageTarget(&pictures);
    const TStickerBookObjects book;
    EXPECT_EQ(book.StickerCentre(StickerOfSlot(1, 1)), (TPoint{287 + 50, 477 + 30}));
    EXPECT_EQ(book.StickerCentre(StickerOfSlot(1, 3)), (TPoint{683, 384}))
        << "drawn at double size";
    EXPECT_EQ(book.StickerCentre(StickerOfSlot(5, 2)), (TPoint{-2 + 20, 488 + 10}));
    EXPECT_EQ(book.StickerCentre(ciVisFlies), (TPoint{})) << "no picture";
    SetMainImageTarget(nullptr);
}
