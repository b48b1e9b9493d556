// A game controller played as the keyboard: its buttons and stick reach the game as the keys a
// keyboard player presses, and plugging one in or out mid-game changes nothing else.
#include "platform/ControllerKeys.h"

#include "platform/SdlEventSource.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(ControllerKeys, ButtonsAreTheKeyboardsKeys) {
    EXPECT_EQ(KeyOfControllerButton(SDL_CONTROLLER_BUTTON_A), TKey::Enter);
    EXPECT_EQ(KeyOfControllerButton(SDL_CONTROLLER_BUTTON_B), TKey::Escape);
    EXPECT_EQ(KeyOfControllerButton(SDL_CONTROLLER_BUTTON_START), TKey::Menu);
    EXPECT_EQ(KeyOfControllerButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT), TKey::Left);
    EXPECT_EQ(KeyOfControllerButton(SDL_CONTROLLER_BUTTON_DPAD_DOWN), TKey::Down);
    EXPECT_FALSE(KeyOfControllerButton(SDL_CONTROLLER_BUTTON_X));
    EXPECT_FALSE(KeyOfControllerButton(-1));
}

TEST(ControllerKeys, TheStickGivesOneKeyPerPushAndNeedsToComeBackFirst) {
    TStickKeys stick;
    EXPECT_FALSE(stick.Move(0, 12000)); // not far enough
    EXPECT_EQ(stick.Move(0, 20000), TKey::Right);
    EXPECT_FALSE(stick.Move(0, 32767)); // held
    EXPECT_FALSE(stick.Move(0, 12000)); // between: still held
    EXPECT_FALSE(stick.Move(0, 2000));  // back near the middle
    EXPECT_EQ(stick.Move(0, 30000), TKey::Right);
    EXPECT_EQ(stick.Move(0, -32768), TKey::Left); // straight across
    EXPECT_EQ(stick.Move(1, -20000), TKey::Up);   // the other axis on its own
    EXPECT_EQ(stick.Move(1, 0), std::nullopt);
    EXPECT_EQ(stick.Move(1, 20000), TKey::Down);
    EXPECT_FALSE(stick.Move(2, 32767)); // the right stick moves nothing
}

class ControllerEvents : public ::testing::Test {
protected:
    std::vector<TPlatformEvent> Translate(const SDL_Event& pushed) {
        SDL_Event event = pushed;
        SDL_PushEvent(&event);
        // Events the game does not use answer false too: ask until the queue must be empty.
        constexpr int Asks = 20;
        std::vector<TPlatformEvent> events;
        TPlatformEvent out;
        for (int ask = 0; ask < Asks; ++ask)
            if (source.WaitEvent(out, 0)) events.push_back(out);
        return events;
    }
    static SDL_Event Button(uint8_t button) {
        SDL_Event event{};
        event.type = SDL_CONTROLLERBUTTONDOWN;
        event.cbutton.button = button;
        return event;
    }
    TSdlEventSource source{nullptr};
};

TEST_F(ControllerEvents, AIsEnterWithItsCharacterAndTheStickMovesLikeArrows) {
    std::vector<TPlatformEvent> events = Translate(Button(SDL_CONTROLLER_BUTTON_A));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Kind, TEventKind::KeyDown);
    EXPECT_EQ(events[0].Key, TKey::Enter);
    EXPECT_EQ(events[1].Kind, TEventKind::KeyPress);
    EXPECT_EQ(events[1].Char, 13);

    events = Translate(Button(SDL_CONTROLLER_BUTTON_DPAD_UP));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].Key, TKey::Up);
    EXPECT_TRUE(Translate(Button(SDL_CONTROLLER_BUTTON_Y)).empty());

    SDL_Event stick{};
    stick.type = SDL_CONTROLLERAXISMOTION;
    stick.caxis.axis = SDL_CONTROLLER_AXIS_LEFTX;
    stick.caxis.value = -30000;
    events = Translate(stick);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].Key, TKey::Left);
    EXPECT_TRUE(Translate(stick).empty());
}

TEST_F(ControllerEvents, PluggingInAndOutWhatCannotBeOpenedIsQuiet) {
    SDL_Event added{};
    added.type = SDL_CONTROLLERDEVICEADDED;
    added.cdevice.which = 7; // no such device
    EXPECT_TRUE(Translate(added).empty());
    SDL_Event removed{};
    removed.type = SDL_CONTROLLERDEVICEREMOVED;
    removed.cdevice.which = 7;
    EXPECT_TRUE(Translate(removed).empty());
    EXPECT_EQ(Translate(Button(SDL_CONTROLLER_BUTTON_B)).size(), 2u); // still played
}

// A controller of SDL's own making, plugged in and out as a player would mid-round.
class VirtualController : public ControllerEvents {
protected:
    void SetUp() override {
        if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) GTEST_SKIP() << "no controller support here";
    }
    void TearDown() override {
        if (deviceIndex_ >= 0) SDL_JoystickDetachVirtual(deviceIndex_);
    }
    void PlugIn() {
        deviceIndex_ =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(deviceIndex_, 0) << SDL_GetError();
        EXPECT_TRUE(Drain().empty()) << "plugging in is no key";
    }
    void PullOut() {
        SDL_JoystickDetachVirtual(deviceIndex_);
        deviceIndex_ = -1;
    }
    // Presses and lets go of one button of the plugged-in controller; what the game got.
    std::vector<TPlatformEvent> Press(SDL_GameControllerButton button) {
        SDL_Joystick* joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(0));
        if (joystick == nullptr) return {};
        SDL_JoystickSetVirtualButton(joystick, button, SDL_PRESSED);
        SDL_JoystickUpdate();
        std::vector<TPlatformEvent> events = Drain();
        SDL_JoystickSetVirtualButton(joystick, button, SDL_RELEASED);
        SDL_JoystickUpdate();
        for (const TPlatformEvent& event : Drain()) events.push_back(event);
        return events;
    }
    std::vector<TPlatformEvent> Drain() {
        constexpr int Asks = 40;
        std::vector<TPlatformEvent> events;
        TPlatformEvent out;
        for (int ask = 0; ask < Asks; ++ask)
            if (source.WaitEvent(out, 0)) events.push_back(out);
        return events;
    }

private:
    int deviceIndex_ = -1;
};

TEST_F(VirtualController, PluggedInOutAndInAgainItPlaysEachTimeAndTheKeyboardNeverStops) {
    PlugIn();
    std::vector<TPlatformEvent> events = Press(SDL_CONTROLLER_BUTTON_A);
    ASSERT_FALSE(events.empty()) << "the plugged-in controller was not opened";
    EXPECT_EQ(events[0].Key, TKey::Enter);

    PullOut();
    EXPECT_TRUE(Drain().empty()) << "pulling out is no key";
    EXPECT_TRUE(Press(SDL_CONTROLLER_BUTTON_A).empty());
    EXPECT_EQ(Translate(Button(SDL_CONTROLLER_BUTTON_B)).size(), 2u) << "the game plays on";

    PlugIn();
    events = Press(SDL_CONTROLLER_BUTTON_START);
    ASSERT_FALSE(events.empty()) << "a controller plugged in again is opened again";
    EXPECT_EQ(events[0].Key, TKey::Menu);
}

} // namespace
