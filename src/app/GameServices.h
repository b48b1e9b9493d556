#pragma once
// What the controller shares with every scene: the texts, the music, the level choice and the
// scene holder. A scene owns its own components and reaches the rest only through these.
#include "app/GameSceneClass.h"
#include "board/LevelParamsClass.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/MusicBoxClass.h"
#include "engine/TextStringsClass.h"

#include <functional>
#include <string>

// Music tracks in the music box's order.
enum TMusicTrack : int { mtSplash, mtMainGame1, mtMainGame2, mtLevelClear, mtUpgrade1, mtUpgrade2 };

struct TGameServices {
    const TTextStrings& Texts;
    TGlobalGameText& GameText;
    TMusicBox& Music;
    TLevelParams& Levels;
    TGameScene& Scene;
    // Lines for the end-to-end tests; none when empty.
    const std::function<void(const std::string&)>& TestReport;
};
