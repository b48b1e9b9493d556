#pragma once
// What the controller shares with every scene: the texts, the pictures, the music, the level
// choice, the player, the flow memory and the scene holder, and the few things only the
// controller can do. A scene owns its own components and reaches the rest only through these.
#include "app/FlowMemory.h"
#include "app/GameSceneClass.h"
#include "board/LevelParamsClass.h"
#include "engine/GameGlobals.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/MusicBoxClass.h"
#include "engine/TextStringsClass.h"

#include <cstdint>
#include <functional>
#include <string>

class TGameProgress;
class TOmegaImageList;
class TPlayerSession;

// Music tracks in the music box's order.
enum TMusicTrack : int { mtSplash, mtMainGame1, mtMainGame2, mtLevelClear, mtUpgrade1, mtUpgrade2 };

// The controller's side of a scene: what changes more than the scene's own components.
class TSceneHost {
public:
    virtual ~TSceneHost() = default;

    // The scene changes behind the closing and opening iris.
    virtual void TransitionTo(TGameSceneValues scene) = 0;
    // Another scene's frame, drawn beneath an overlay (the menu under the options window).
    virtual void DrawSceneFrame(TGameSceneValues scene) = 0;
    // The full-screen darkening behind a window.
    virtual void DrawDarken() = 0;
    // The scene becomes gsConfirmWindow over `backdrop` and asks the question; once the window
    // has gone, `answered` hears the answer (True for Yes or OK).
    virtual void AskConfirm(TConfirmKind kind, TGameSceneValues backdrop,
                            std::function<void(bool positive)> answered) = 0;

    // Image sets of the content (sets 3 to 9) and single pictures of the late-load folder.
    virtual void LoadImageSet(int set) = 0;
    virtual bool ImageSetLoaded(int set) const = 0;
    virtual void FreeImageSet(int set) = 0;
    // The creature set (6) of creature kind 0..4: the guardian of island kind + 1.
    virtual void LoadCreatureImageSet(int creatureKind) = 0;
    // "Help1.jpg" from the late-load folder, unless a picture of that name is loaded.
    virtual void LoadLateImage(const std::string& fileName) = 0;
    // A picture of the main set ("Extras.jpg") again after a scene freed it, unless loaded.
    virtual void LoadMainSetImage(const std::string& fileName) = 0;
    virtual void FreeImage(const std::string& name) = 0;

    // The player's sound settings reach the players (a switched-off channel plays at 0).
    virtual void ApplySoundSettings() = 0;
    // The voices of chat `conversation` take the place of those the voice player held.
    virtual void LoadChatVoices(int conversation) = 0;
    // Line `line` of the loaded chat, the clients a little softer than Tovan; False when the
    // line has no clip.
    virtual bool PlayChatVoice(int line, bool heroSide) = 0;
    // Mirela's clip of tutorial step `step`, in place of the voices the player held; a step
    // without a clip is silent.
    virtual void PlayTutorialVoice(int step) = 0;
    virtual void StopVoices() = 0;
    // The pictures of hero scene `scene` (0..20) take the place of the previous hero scene's.
    virtual void LoadHeroScene(int scene) = 0;
    virtual bool FullScreen() const = 0;
    virtual void SwitchFullScreen(bool wanted, bool remember) = 0;
    // The player's progress to and from the save file.
    virtual void LoadPlayerSave() = 0;
    virtual void SavePlayerSave(bool withStickerBook) = 0;
    // The round ends unfinished: what it added is taken back, once.
    virtual void ForfeitRound() = 0;
    // The score counter's value enters the high scores under the selected player.
    virtual void SubmitScore() = 0;
    virtual bool StartLevel(uint8_t islandIdx, int levelIdx) = 0;
    // The level starts behind the closing iris, its objective showing as the iris opens; a level
    // that cannot be loaded leaves the scene as it was, entered again.
    virtual void StartLevelBehindTransition(uint8_t islandIdx, int levelIdx) = 0;
    // An address of the extras in the desktop's web browser.
    virtual void OpenWebAddress(const std::string& address) = 0;
    // The game ends as the close box ends it from the menu: saved, without a question.
    virtual void CloseProgram() = 0;
};

// While a story scene or a conversation runs, the music steps back a little; the player's sound
// settings bring it back.
inline void LowerMusicForStory(TMusicBox& music) {
    constexpr double StoryMusicShare = 0.9;
    music.SetVolume(RoundHalfEven(music.Volume() * StoryMusicShare));
}

struct TGameServices {
    const TTextStrings& Texts;
    TGlobalGameText& GameText;
    TOmegaImageList& Pictures;
    TMusicBox& Music;
    TLevelParams& Levels;
    TGameScene& Scene;
    TPlayerSession& Player;
    TGameProgress& Progress;
    TFlowMemory& Flow;
    TSceneHost& Host;
    // Lines for the end-to-end tests; none when empty.
    const std::function<void(const std::string&)>& TestReport;
};
