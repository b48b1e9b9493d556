// Buttons: hover, press and click through the mouse calls the form routes, and their looks
// through the recording device.
#include "WidgetTestKit.h"
#include "engine/GameButtonClass.h"

namespace {

class GameButtonTest : public WidgetTest {
protected:
    GameButtonTest() {
        AddPicture("WindowCancelButton", 1, 2, 128, 45);
        button.ImageName = "WindowCancelButton";
        button.Left = 300;
        button.Top = 200;
        button.TakeSize();
        button.OnClick = [this] { ++clicks; };
        button.OnActivate = [this] { events += "on "; };
        button.OnDeactivate = [this] { events += "off "; };
    }
    TDrawnPicture DrawnLook() {
        const auto drawn = Frame([this] { button.Draw(255); });
        EXPECT_FALSE(drawn.empty());
        glows = Only(drawn, "WindowCancelButton").size() - 1;
        return drawn.front();
    }

    TGameButton button;
    int clicks = 0;
    std::string events;
    size_t glows = 0;
};

TEST_F(GameButtonTest, HoverEntersAndLeavesOnceWithSoundAndHandCursor) {
    EXPECT_EQ(button.Width(), 128);
    EXPECT_EQ(CursorAfterHover(button, 299, 220), mcArrow);
    // Edges belong to the button.
    EXPECT_EQ(CursorAfterHover(button, 300 + 128, 200 + 45), mcHand);
    EXPECT_EQ(CursorAfterHover(button, 350, 220), mcHand);
    EXPECT_EQ(CursorAfterHover(button, 429, 220), mcArrow);
    EXPECT_EQ(events, "on off ");
    EXPECT_EQ(sounds.Played, std::vector<std::string>{"MouseOver"});
}

TEST_F(GameButtonTest, ClicksOnlyWhenPressAndReleaseAreBothOnIt) {
    // Pressed, dragged off, released outside: no click.
    button.Press(350, 220, mbLeft);
    EXPECT_TRUE(button.Pressed());
    button.Hover(500, 500);
    button.Release(500, 500);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button.Pressed());
    // Pressed, dragged off and back, released on it: a click.
    button.Press(350, 220, mbLeft);
    button.Hover(500, 500);
    button.Hover(360, 230);
    button.Release(360, 230);
    EXPECT_EQ(clicks, 1);
    // Pressed outside, released on it: no click.
    button.Press(10, 10, mbLeft);
    button.Release(360, 230);
    EXPECT_EQ(clicks, 1);
    // A click plays only the press's sound (the hovers above played theirs).
    EXPECT_EQ(std::count(sounds.Played.begin(), sounds.Played.end(), "Click"), 2);
}

TEST_F(GameButtonTest, RightButtonDisabledAndHiddenButtonsHearNothing) {
    button.Press(350, 220, mbRight);
    EXPECT_FALSE(button.Pressed());
    button.Release(350, 220);
    button.Enabled = false;
    button.Press(350, 220, mbLeft);
    EXPECT_EQ(CursorAfterHover(button, 350, 220), mcArrow);
    button.Release(350, 220);
    button.Enabled = true;
    button.Visible = false;
    button.Press(350, 220, mbLeft);
    button.Release(350, 220);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(sounds.Played.empty());
    EXPECT_TRUE(Frame([this] { button.Draw(255); }).empty());
}

TEST_F(GameButtonTest, LooksPlainHoveredPushedAndDisabled) {
    const TDrawnPicture plain = DrawnLook();
    EXPECT_EQ(plain.X, 300);
    EXPECT_EQ(plain.Y, 200);
    EXPECT_EQ(plain.Pattern, 0);
    EXPECT_EQ(glows, 0u);

    // Hovered: a yellow additive glow on top, at the highlight alpha.
    button.Hover(350, 220);
    auto drawn = Frame([this] { button.Draw(255); });
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].BlendMode, BlendAdditiveAlpha);
    EXPECT_EQ(drawn[1].Rgb, DeviceYellow);
    EXPECT_EQ(drawn[1].Alpha, 50);

    // Held down while over it: both shrink about the picture's middle.
    button.Press(350, 220, mbLeft);
    drawn = Frame([this] { button.Draw(255); });
    ASSERT_EQ(drawn.size(), 2u);
    const float middle = 300 + 128 / 2;
    for (const TDrawnPicture& picture : drawn) {
        EXPECT_NEAR(picture.QuadWidth, plain.QuadWidth * 0.97f, 1e-3);
        EXPECT_NEAR(picture.CenterX - middle, (plain.CenterX - middle) * 0.97f, 1e-3);
    }

    // Disabled while the mouse is still on it: the disabled tile, full size, no glow.
    button.Enabled = false;
    const TDrawnPicture disabled = DrawnLook();
    EXPECT_EQ(disabled.Pattern, 1);
    EXPECT_NEAR(disabled.QuadWidth, plain.QuadWidth, 1e-3);
    EXPECT_EQ(glows, 0u);
}

} // namespace
