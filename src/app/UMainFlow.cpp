// The controller as the scenes' host: transitions, questions, pictures that come and go with
// their scenes, the player's save, and closing.
#include "app/UMain.h"
#include "engine/FatalError.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

namespace {

// The darkening layer is a quarter-size picture drawn at double size.
constexpr float DarkenScale = 2.0f;
constexpr uint8_t Opaque = 255;
constexpr std::string_view WebScheme = "http://";
constexpr std::string_view SchemeSeparator = "://";
// The game texts' comment when all four works of an island are bought.
constexpr int IslandCompletedLine = 11;

} // namespace

void TFormMain::RegisterScene(TGameSceneValues value, TScene& scene) {
    scenes_[value] = &scene;
}

void TFormMain::ConnectFlow() {
    GameScene.OnChanged = [this](TGameSceneValues oldScene, TGameSceneValues newScene) {
        SceneChanged(oldScene, newScene);
    };
    SceneTransition1.GlobGameText = &GlobGameText;
    SceneTransition1.TextStringsComp = &TextStrings1;
    SceneTransition1.OnSceneSwitch = [this](TGameSceneValues newScene) { SceneSwitch(newScene); };
    SceneTransition1.OnStartToSwitch = [this](TGameSceneValues oldScene,
                                              TGameSceneValues newScene) {
        if (TScene* leaving = scenes_[oldScene]) leaving->TransitionStarts(newScene);
        // The list goes back into the menu, whose panels go with it.
        if (oldScene == gsPlayerSelect && newScene == gsMenu) menu_->TransitionStarts(newScene);
    };
    menu_->OnOpenMap = [this] { OpenMap(); };
    menu_->OnTellStory = [this] {
        openingStory_->NextScene = gsMenu;
        TransitionTo(gsOpeningStory);
    };
    inGameOptions_->OnBackToRound = [this] { BackToRound(); };
    help_->OnBackToRound = [this] { BackToRound(); };
    mainGame_->OnInGameMenu = [this] { inGameMenu_->Open(); };
    ConnectSlots();
}

void TFormMain::ConnectSlots() {
    TBuySlots& slots = progress_.BuySlots;
    slots.OnBuy = [this](int island, int slot, const TElementsCount& price) {
        SlotBought(island, slot, price);
    };
    slots.OnBuyButtonMouseOver = [this](int island, int slot, const TBuySlotData& data) {
        progress_.SlotsInfo.SetOwnedCounts(progress_.BuySlots.Owned());
        progress_.SlotsInfo.Show(island, slot, data);
    };
    slots.OnBuyButtonMouseOff = [this](int, int, const TBuySlotData&) {
        progress_.SlotsInfo.Hide();
    };
}

// A purchase in the book celebrates at once, its conversation following at the burst's peak;
// one on the map waits for the book.
void TFormMain::SlotBought(int island, int slot, const TElementsCount& price) {
    TBuySlots& slots = progress_.BuySlots;
    progress_.SlotsInfo.HideNow();
    player_.GameLogger.LogUpgrade(island, slot, slots.LevelIdx);
    slots.SpendPrice(price);
    progress_.RevealSticker(island, slot);
    const bool islandCompleted = slots.AllBought(island);
    if (islandCompleted) IslandCompleted(island);
    slots.UpdateAffordable();
    SavePlayerSave(true);
    stickerBook_->AwaitCelebration(StickerOfSlot(island, slot), islandCompleted);
    if (GameScene.Value() == gsStickerBook) stickerBook_->CelebrateIfDue();
}

void TFormMain::IslandCompleted(int island) {
    PlaySound(island < static_cast<int>(IslandCount) ? "UpgradesFinished" + std::to_string(island)
                                                     : std::string("AllUpgradesFinished"));
    progress_.BuySlots.CreditIslandBundle(island);
    if (GameScene.Value() == gsMap) map_->Announce(TextStrings1.GameTexts(IslandCompletedLine));
}

// The press after loading: the first player's name, or the menu of the last player.
void TFormMain::SplashContinue() {
    if (player_.NoPlayersYet) {
        GameScene.SetValue(gsAddInitialPlayer);
        return;
    }
    LoadPlayerSave();
    TransitionTo(gsMenu);
}

// A player's first Play tells the opening story on the way to the map.
void TFormMain::OpenMap() {
    // The map and the rounds need the room more than the menu's pictures.
    flow_.FreeMenuImagesOnLeave = true;
    TPlayerSaveRecord& record = player_.Current;
    if (TPlayerSaveRecord::IsSet(record.OpeningStoryTold)) {
        TransitionTo(gsMap);
        return;
    }
    record.OpeningStoryTold = 1;
    SavePlayerSave(false);
    openingStory_->NextScene = gsMap;
    TransitionTo(gsOpeningStory);
}

void TFormMain::BackToRound() {
    mainGame_->SetGamePause(flow_.PausedBeforeMenu);
}

void TFormMain::AskTimeUp() {
    AskConfirm(ckTimeUp, gsMainGame, [this](bool again) {
        if (again) {
            mainGame_->Restart();
            return;
        }
        GameScene.SetValue(gsMainGame);
        ForfeitRound();
        TransitionTo(gsMenu);
    });
}

void TFormMain::StartLevelBehindTransition(uint8_t islandIdx, int levelIdx) {
    pendingLevel_ = {islandIdx, levelIdx};
    TransitionTo(gsObjectiveInfo);
}

// The iris is closed: the new scene comes; a round starts on its level with its objective.
void TFormMain::SceneSwitch(TGameSceneValues newScene) {
    if (newScene != gsObjectiveInfo) {
        GameScene.SetValue(newScene);
        return;
    }
    // A level that cannot be loaded has said so; the scene it was to leave comes back in.
    if (!StartLevel(pendingLevel_.first, pendingLevel_.second))
        if (TScene* staying = CurrentScene()) staying->Enter(GameScene.Value());
}

bool TFormMain::StartLevel(uint8_t islandIdx, int levelIdx) {
    return mainGame_->StartLevel(islandIdx, levelIdx);
}

// The close box: during a round it asks first, after answering a step or tip that shows as its
// OK would; everywhere else the game closes (and saves).
void TFormMain::FormCloseQuery() {
    if (GameScene.Value() == gsTutorial || GameScene.Value() == gsTutorialToolTip)
        mainGame_->CloseTeaching();
    if (GameScene.Value() != gsMainGame) {
        closing_ = true;
        return;
    }
    flow_.PausedBeforeQuit = mainGame_->GamePause();
    mainGame_->SetGamePause(true);
    AskConfirm(ckQuit, gsMainGame, [this](bool quit) {
        if (quit) {
            closing_ = true;
            return;
        }
        GameScene.SetValue(gsMainGame);
        mainGame_->SetGamePause(flow_.PausedBeforeQuit);
    });
}

void TFormMain::TransitionTo(TGameSceneValues scene) {
    SceneTransition1.Start(GameScene.Value(), scene);
}

void TFormMain::DrawSceneFrame(TGameSceneValues scene) {
    // An overlay never draws itself beneath itself.
    if (scene == GameScene.Value()) return;
    if (TScene* beneath = scenes_[scene]) beneath->Frame();
}

void TFormMain::DrawDarken() {
    DrawImage(Pictures::ScreenDarken, 0, 0, 0, 0, 0, DarkenScale, DarkenScale, Opaque, Opaque,
              Opaque, Opaque, 0);
}

void TFormMain::AskConfirm(TConfirmKind kind, TGameSceneValues backdrop,
                           std::function<void(bool positive)> answered) {
    flow_.ConfirmKind = kind;
    GameScene.SetValue(gsConfirmWindow);
    confirm_->Ask(kind, backdrop, std::move(answered));
}

bool TFormMain::ImageSetLoaded(int set) const {
    return LoadedImageList.IsLoaded(set);
}

void TFormMain::FreeImageSet(int set) {
    LoadedImageList.Unload(set, OmegaImageList1);
}

void TFormMain::LoadCreatureImageSet(int creatureKind) {
    const std::string folder = ImageSetFolder(CreatureImageSet, creatureKind);
    if (folder.empty()) return;
    imageSetLoader_.Start(CreatureImageSet, platform_.ProgramFolder + folder, false, true);
    imageSetLoader_.LoadRest(OmegaImageList1);
}

void TFormMain::LoadLateImage(const std::string& fileName) {
    LoadSingleImage(LateLoadFolder, fileName);
}

void TFormMain::LoadMainSetImage(const std::string& fileName) {
    LoadSingleImage(ImageSetFolder(MainImageSet), fileName);
}

void TFormMain::LoadSingleImage(const std::string& folder, const std::string& fileName) {
    const std::string name = fileName.substr(0, fileName.rfind('.'));
    if (OmegaImageList1.ImageList.Find(name) != nullptr) return;
    try {
        OmegaImageList1.LoadImageFile(platform_.ProgramFolder + folder, fileName);
    } catch (const std::exception& error) {
        // A missing picture draws nothing; the game goes on.
        errorLog_.Report(std::string("Picture skipped: ") + error.what());
    }
}

void TFormMain::FreeImage(const std::string& name) {
    if (TImageListItem* item = OmegaImageList1.ImageList.Find(name))
        OmegaImageList1.ImageList.Remove(item);
}

int TFormMain::SoundVolume() const {
    const TPlayerSaveRecord& record = player_.Current;
    return TPlayerSaveRecord::IsSet(record.SoundOn) ? record.UsableSoundVolume() : 0;
}

void TFormMain::LoadChatVoices(int conversation) {
    VoicePlayer1.StopAll();
    VoicePlayer1.FreeVoices();
    VoicePlayer1.LoadVoices(TVoicePlayer::ChatVoices, conversation);
}

bool TFormMain::PlayChatVoice(int line, bool heroSide) {
    constexpr double HeroShare = 0.87;
    constexpr double ClientShare = 0.8;
    const std::string name = "Chat" + std::to_string(line);
    if (VoicePlayer1.IndexOf(name) < 0) return false;
    VoicePlayer1.StopAll();
    VoicePlayer1.SetVolume(RoundHalfEven(SoundVolume() * (heroSide ? HeroShare : ClientShare)));
    VoicePlayer1.Play(name);
    return true;
}

// Mirela speaks a little softer than the sound effects around her.
void TFormMain::PlayTutorialVoice(int step) {
    constexpr double MirelaShare = 0.72;
    VoicePlayer1.StopAll();
    VoicePlayer1.FreeVoices();
    VoicePlayer1.LoadTutorialVoice(step);
    const std::string name = "Tutorial" + std::to_string(step);
    if (VoicePlayer1.IndexOf(name) < 0) return;
    VoicePlayer1.SetVolume(RoundHalfEven(SoundVolume() * MirelaShare));
    VoicePlayer1.Play(name);
}

void TFormMain::LoadHeroScene(int scene) {
    FreeImageSet(HeroSceneImageSet);
    imageSetLoader_.Start(HeroSceneImageSet,
                          platform_.ProgramFolder + ImageSetFolder(HeroSceneImageSet, 0, scene),
                          true, true);
    imageSetLoader_.LoadRest(OmegaImageList1);
}

// A switched-off channel plays at volume 0.
void TFormMain::ApplySoundSettings() {
    const TPlayerSaveRecord& record = player_.Current;
    const int sound = SoundVolume();
    const int music = TPlayerSaveRecord::IsSet(record.MusicOn) ? record.UsableMusicVolume() : 0;
    SFXPlayer1.SetVolume(sound);
    VoicePlayer1.SetVolume(sound);
    MusicBox1.SetVolume(music);
}

bool TFormMain::FullScreen() const {
    return platform_.Device.FullScreen();
}

void TFormMain::LoadPlayerSave() {
    player_.Load();
    progress_.LoadFrom(player_.Current);
    mainGame_->Score = player_.Current.Score;
    mainGame_->ScoreCounter.SetValue(mainGame_->Score);
    ApplySoundSettings();
}

void TFormMain::SavePlayerSave(bool withStickerBook) {
    // The full-screen choice is already in the record: a switch the player asked for puts it
    // there, and a choice for one run (--windowed) never does.
    player_.Current.Score = mainGame_->Score;
    progress_.StoreIn(player_.Current, withStickerBook);
    player_.Save();
    // The table goes with every save, so a game that ends without its close keeps the scores too.
    if (player_.Saving()) player_.HighScores.Save();
}

void TFormMain::ForfeitRound() {
    mainGame_->Forfeit();
}

void TFormMain::SubmitScore() {
    if (player_.PlayerLoaded) player_.HighScores.Submit(player_.LoadedName(), mainGame_->Score);
}

// An address without a scheme is a web page's.
void TFormMain::OpenWebAddress(const std::string& address) {
    if (address.empty()) return;
    const bool hasScheme = address.find(SchemeSeparator) != std::string::npos;
    platform_.Desktop.OpenWebLink(hasScheme ? address : std::string(WebScheme) + address);
}

void TFormMain::CloseProgram() {
    closing_ = true;
}
