// Portraits of the chat, the hero scenes behind the menu, Mirela the guide dove and the
// citizens walking through the picture book.
#include "Catalog.h"
#include "Characters.h"
#include "Style.h"

#include <cmath>
#include <string>

namespace {

// Clients by number: 1 Queen Maren, 2 Borre the fisherman, 3 Lissa the inventor, 4 Oskar the
// merchant.
TPerson ClientOf(const std::string& name) {
    const TPerson clients[] = {TPerson::Maren, TPerson::Borre, TPerson::Lissa, TPerson::Oskar};
    return clients[name[13] - '1'];
}

// Talking frames 1..3 (patterns 0..2): the mouth half open, open, nearly closed.
const double TalkMouth[] = {0.5, 1.0, 0.3};

void DrawChatPortrait(const TTile& t, TPerson person, bool talking) {
    TPersonLook look;
    if (talking) look.Mouth = TalkMouth[t.Pattern];
    DrawPortrait(t.cr, person, 0, 0, t.W, t.H, look, talking);
}

// Six idle frames: a slow breath, one blink and a wave at the end.
void DrawHeroScene(const TTile& t) {
    const std::string& name = t.Entry.Name;
    TPersonLook look;
    look.Progress = std::stoi(name.substr(5, name.size() - 10));
    look.Breath = 3 * std::sin(2 * M_PI * t.Pattern / 6);
    look.Blink = t.Pattern == 3;
    look.ArmRaise = t.Pattern == 5 ? 0.8 : 0;
    DrawPerson(t.cr, TPerson::Tovan, t.W / 2, t.H - 8, t.H * 0.9, look);
}

void DrawCaptainScene(const TTile& t) {
    const double mouths[] = {0, 0.6, 1, 0.4, 0, 0.8, 0.3, 0};
    TPersonLook look;
    look.Mouth = mouths[t.Pattern];
    look.ArmRaise = t.Pattern >= 2 && t.Pattern <= 5 ? 0.35 : 0;
    look.Breath = 2 * std::sin(2 * M_PI * t.Pattern / 8);
    DrawPerson(t.cr, TPerson::Borre, t.W / 2, t.H - 8, t.H * 0.9, look);
}

void DrawCitizen(const TTile& t) {
    const TPerson walkers[] = {TPerson::Maren, TPerson::Borre, TPerson::Tovan,
                               TPerson::Oskar,  TPerson::Tovan,  TPerson::Borre};
    const int index = t.Entry.Name.back() - '1';
    TPersonLook look;
    look.Step = t.Pattern == 0 ? -1 : 1;
    look.Progress = index == 4 ? 12 : 0; // the sailor wears a coat
    DrawPerson(t.cr, walkers[index], t.W / 2, t.H - 2, index == 2 ? t.H * 0.75 : t.H - 3, look);
}

} // namespace

void AddPortraitArt(TCatalog& catalog) {
    catalog.Add("ChatTovan", [](const TTile& t) { DrawChatPortrait(t, TPerson::Tovan, false); });
    catalog.Add("ChatTovanTalk", [](const TTile& t) { DrawChatPortrait(t, TPerson::Tovan, true); });
    catalog.AddFamily("ChatCharacter", [](const TTile& t) {
        const std::string& name = t.Entry.Name;
        DrawChatPortrait(t, ClientOf(name), name.size() > 14);
    });
    catalog.AddFamily("Scene", DrawHeroScene);
    catalog.Add("Scene0Captain", DrawCaptainScene);
    catalog.Add("TutorialDove", [](const TTile& t) {
        const double wings[] = {0, 1, -1};
        DrawDove(t.cr, t.W / 2, t.H / 2 + 6, t.W * 0.9, wings[t.Pattern]);
    });
    catalog.AddFamily("Citizen", DrawCitizen);
}
