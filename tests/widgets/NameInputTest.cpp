// The name editor: its alphabet, capitals, length, editing keys and caret, typed directly and
// typed on the keyboard of the real window (UTF-8 text from SDL).
#include "engine/NameInputClass.h"
#include "platform/SdlEventSource.h"
#include "platform/SdlGraphicsDevice.h"

#include <SDL.h>
#include <cstring>
#include <gtest/gtest.h>

namespace {

void Type(TNameInput& input, std::string_view text) {
    for (char c : text) input.KeyPress(c);
}

TEST(NameInput, TakesTheAlphabetInCapitalsAndIgnoresEverythingElse) {
    TNameInput input;
    Type(input, "ab z09 \xE4\xF6\xFC\xDF\xC4\xD6\xDC");
    EXPECT_EQ(input.Text(), "AB Z09 \xC4\xD6\xDC\xDF\xC4\xD6\xDC");
    input.SetText("");
    // Punctuation, other accented letters, control characters and the caret itself.
    Type(input, std::string_view("!-.|\xE9\xC9\xFF\x7F\x1B\t\0", 11));
    EXPECT_EQ(input.Text(), "");
}

TEST(NameInput, HoldsSixteenCharactersAndEditsWithBackspaceAndEnter) {
    TNameInput input;
    int confirmed = 0;
    input.OnEntryConfirmed = [&] { ++confirmed; };
    input.KeyPress(TNameInput::Backspace); // nothing to delete
    Type(input, "abcdefghijklmnopq");
    EXPECT_EQ(input.Text(), "ABCDEFGHIJKLMNOP");
    input.KeyPress(TNameInput::Backspace);
    input.KeyPress('z');
    EXPECT_EQ(input.Text(), "ABCDEFGHIJKLMNOZ");
    input.KeyPress(TNameInput::Enter);
    EXPECT_EQ(confirmed, 1);
    EXPECT_EQ(input.Text(), "ABCDEFGHIJKLMNOZ");

    input.SetText("   ");
    EXPECT_TRUE(input.IsBlank());
    input.SetText(" A ");
    EXPECT_FALSE(input.IsBlank());
}

TEST(NameInput, ShowsTheEndThatFitsAndBlinksItsCaret) {
    TNameInput input;
    Type(input, "WWWWWWWWWWWWWWWW"); // each W 26 pixels at 0.85: 12 fit in 327
    input.Update();
    EXPECT_EQ(input.DisplayString(), "WWWWWWWWWWWW|");
    // 350 ms at 30 ms a tick: the caret turns on the 12th tick, back on the 24th.
    for (int tick = 2; tick <= 11; ++tick) input.Update();
    EXPECT_TRUE(input.CaretVisible());
    input.Update();
    EXPECT_EQ(input.DisplayString(), "WWWWWWWWWWWW");
    for (int tick = 13; tick <= 24; ++tick) input.Update();
    EXPECT_EQ(input.DisplayString(), "WWWWWWWWWWWW|");
    input.SetText("AB");
    input.Update();
    EXPECT_EQ(input.DisplayString(), "AB|");
}

// Linux delivers typed text as UTF-8: a German letter arrives as two bytes but must reach the
// name as one Latin-1 character; letters outside Latin-1 arrive as nothing.
TEST(NameInput, TypedUtf8ArrivesThroughTheWindowAsOneCharacterEach) {
    std::string error;
    auto device = TSdlGraphicsDevice::OpenWindow("Tovan test", {1366, 768}, false, error, true);
    if (device == nullptr) GTEST_SKIP() << "no display: " << error;
    TSdlEventSource events(device.get());
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    // ä Ö ü ß, e acute, euro sign, a CJK letter, a smiley, "x"; then Backspace and "1".
    std::strcpy(text.text.text, "\xC3\xA4\xC3\x96\xC3\xBC\xC3\x9F\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD"
                                "\xF0\x9F\x98\x80x");
    SDL_PushEvent(&text);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_BACKSPACE;
    SDL_PushEvent(&key);
    std::strcpy(text.text.text, "1");
    SDL_PushEvent(&text);

    TNameInput input;
    TPlatformEvent event;
    for (int i = 0; i < 30; ++i)
        if (events.WaitEvent(event, 0) && event.Kind == TEventKind::KeyPress)
            input.KeyPress(static_cast<char>(event.Char));
    EXPECT_EQ(input.Text(), "\xC4\xD6\xDC\xDF"
                            "1");
}

} // namespace
