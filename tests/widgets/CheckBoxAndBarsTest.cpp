// The check box, the volume bar and the loading bar through the recording device.
#include "WidgetTestKit.h"
#include "engine/GameCheckBoxClass.h"
#include "engine/LoadingBarClass.h"
#include "engine/VolumeBarClass.h"

namespace {

class GameCheckBoxTest : public WidgetTest {
protected:
    GameCheckBoxTest() {
        AddPicture("CheckBoxFullscreen", 1, 4, 160, 31);
        box.ImageName = "CheckBoxFullscreen";
        box.OmgImgList = &list;
        box.Left = 500;
        box.Top = 300;
        box.Width = 146;
        box.Height = 31;
        box.OnClick = [this] { ++clicks; };
    }
    int DrawnPattern() {
        const auto drawn = Frame([this] { box.Draw(); });
        EXPECT_EQ(drawn.size(), 1u);
        return drawn.empty() ? -1 : drawn[0].Pattern;
    }

    TGameCheckBox box;
    int clicks = 0;
};

TEST_F(GameCheckBoxTest, OnlyALeftPressOverItsAreaToggles) {
    // Inside the picture but past Width: not hovered, so the press does nothing.
    EXPECT_EQ(CursorAfterHover(box, 650, 310), mcArrow);
    box.Press(650, 310, mbLeft);
    EXPECT_FALSE(box.Checked);

    EXPECT_EQ(CursorAfterHover(box, 646, 331), mcHand);
    box.Press(646, 331, mbRight);
    EXPECT_FALSE(box.Checked);
    box.Press(646, 331, mbLeft);
    EXPECT_TRUE(box.Checked);
    box.Press(646, 331, mbLeft);
    EXPECT_FALSE(box.Checked);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(sounds.Played, (std::vector<std::string>{"Click", "Click"}));
}

TEST_F(GameCheckBoxTest, DrawsOneOfFourLooks) {
    EXPECT_EQ(DrawnPattern(), 0);
    box.Hover(510, 310);
    EXPECT_EQ(DrawnPattern(), 1);
    box.Checked = true;
    EXPECT_EQ(DrawnPattern(), 3);
    box.Hover(0, 0);
    EXPECT_EQ(DrawnPattern(), 2);
}

class VolumeBarTest : public WidgetTest {
protected:
    VolumeBarTest() {
        AddPicture("VolumeFill", 1, 1, 123, 22);
        AddPicture("VolumeGlass", 1, 1, 125, 11);
        bar.OmgImgList = &list;
        bar.Left = 600;
        bar.Top = 400;
        bar.TakeSize();
    }
    // One tick; the fill's source rectangle, after checking where fill and glass went.
    TRect Tick() {
        const auto drawn = Frame([this] { bar.Draw(); });
        EXPECT_EQ(drawn.size(), 2u);
        if (drawn.size() != 2) return {};
        EXPECT_EQ(drawn[0].Name, "VolumeFill");
        EXPECT_EQ(drawn[0].X, 600);
        EXPECT_EQ(drawn[1].Name, "VolumeGlass");
        EXPECT_EQ(drawn[1].X, 599);
        EXPECT_EQ(drawn[1].Y, 400);
        return drawn[0].Source;
    }

    TVolumeBar bar;
};

TEST_F(VolumeBarTest, FillSlidesTwoPixelsATickToTheRoundedTarget) {
    EXPECT_EQ(bar.FillHeight, 11);
    bar.SetPosition(50);
    EXPECT_EQ(bar.TargetWidth(), 62); // 61.5 goes to the even neighbour
    for (int tick = 1; tick <= 31; ++tick) EXPECT_EQ(Tick().Right, 2 * tick) << "tick " << tick;
    EXPECT_EQ(Tick().Right, 62);
    // Down again, never past the target.
    bar.SetPosition(49);
    EXPECT_EQ(bar.TargetWidth(), 60);
    EXPECT_EQ(Tick().Right, 60);
    EXPECT_EQ(Tick().Right, 60);
    bar.SetPositionNow(150);
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_EQ(Tick().Right, 123);
    bar.SetPositionNow(-5);
    EXPECT_EQ(Tick().Right, 0);
}

TEST_F(VolumeBarTest, EnabledFillIsTheLowerHalf) {
    bar.SetPositionNow(100);
    EXPECT_EQ(Tick(), (TRect{0, 11, 123, 22}));
    bar.Enabled = false;
    EXPECT_EQ(Tick(), (TRect{0, 0, 123, 11}));
}

class LoadingBarTest : public WidgetTest {
protected:
    LoadingBarTest() {
        AddPicture("LoadingBarBG", 1, 1, 526, 50);
        AddPicture("LoadingBarFill", 1, 1, 338, 26);
        AddPicture("LoadingBarGlass", 1, 1, 322, 28);
        AddPicture("LoadingBarText", 1, 2, 128, 22);
        bar.OmgImgList = &list;
        bar.TakeSize();
        bar.ImageCountToLoad = 5;
    }
    std::vector<TDrawnPicture> Tick() {
        auto drawn = Frame([this] { bar.Draw(); });
        EXPECT_EQ(drawn.size(), 4u);
        drawn.resize(4);
        return drawn;
    }

    TLoadingBar bar;
};

TEST_F(LoadingBarTest, FillsPictureByPictureAndHoldsAtTheCount) {
    const int fills[] = {68, 135, 203, 270, 338}; // of 338 pixels: 67.6, 135.2, 202.8, ...
    for (int loaded = 1; loaded <= 6; ++loaded) {
        bar.ImageLoaded();
        EXPECT_EQ(bar.LoadingMinusOneFinished(), loaded >= 4) << loaded;
        EXPECT_EQ(bar.LoadingFinished(), loaded >= 5) << loaded;
        const auto drawn = Tick();
        EXPECT_EQ(drawn[1].Source.Right, fills[std::min(loaded, 5) - 1]) << loaded;
    }
    EXPECT_EQ(bar.LoadedCount(), 5);
}

TEST_F(LoadingBarTest, PartsSitOnTheBarAndTheLabelSaysDoneAtTheEnd) {
    auto drawn = Tick();
    const TPoint expected[] = {
        {420, 689}, {420 + 94, 689 + 10}, {420 + 102, 689 + 9}, {420 + 199, 689 + 14}};
    for (int part = 0; part < 4; ++part)
        EXPECT_EQ((TPoint{drawn[part].X, drawn[part].Y}), expected[part]) << part;
    EXPECT_EQ(drawn[3].Pattern, 0);
    EXPECT_EQ(drawn[3].Alpha, 120); // the bottom of the loading pulse
    for (int i = 0; i < 5; ++i) bar.ImageLoaded();
    drawn = Tick();
    EXPECT_EQ(drawn[3].Pattern, 1);
    EXPECT_EQ(drawn[3].Alpha, 40); // the bottom of the done pulse
}

TEST_F(LoadingBarTest, SlidesAwayFortyPixelsAndStaysDrawnThere) {
    bar.SetTop(600);
    bar.SlideAway();
    for (int tick = 1; tick <= 40; ++tick) {
        EXPECT_EQ(Tick()[0].Y, 600 + tick);
        EXPECT_EQ(bar.State(), tick < 40 ? lbsSlidingAway : lbsGone) << tick;
    }
    EXPECT_EQ(Tick()[0].Y, 640);
}

} // namespace
