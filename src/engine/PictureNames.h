#pragma once
// The names of the game's pictures, shared by the code that draws them and by the test that
// holds them against content/images/manifest.txt. Draw by these constants (Pictures::Locker)
// rather than by string literals, so that a renamed picture fails to compile instead of drawing
// nothing.
#include <array>
#include <string>
#include <string_view>

// Each list holds names that are at the same time the C++ constant and the picture name.
#define TOVAN_BOARD_PICTURES(X)                                                                    \
    X(ElementsInside)                                                                              \
    X(BubbleInside)                                                                                \
    X(Locker) X(SpecialItems) X(FruitBombMark) X(Worm) X(WormHusk) X(BackgroundTile)               \
        X(TileSelection) X(ToolHighlight) X(Web) X(ChainLock) X(BrownTile) X(FlowingElements)      \
            X(FoundFlowers) X(BoardBorder) X(TileShine) X(HammerHitting) X(SpiderWalking)          \
                X(SpiderAnchoring) X(SpiderMakingWeb) X(SpiderHit) X(ComboText) X(CyanParticle)    \
                    X(LittleStars) X(BurstingBubble) X(BombParticle) X(BombSparks)                 \
                        X(CollectorBlur) X(CollectorWave) X(DiamondsBig) X(MagicKey) X(Broom)      \
                            X(Aerosol) X(AerosolSpray) X(ToolCounter) X(ToolCounterBadge)          \
                                X(HammerTool) X(BombTool) X(CollectorTool) X(MonsterAura)          \
                                    X(MonsterAuraSpark)

#define TOVAN_ROUND_PICTURES(X)                                                                    \
    X(TubeTimer)                                                                                   \
    X(TubeTimerEnergy)                                                                             \
    X(TubeTimerMask) X(TubeBubble) X(ObjInfoShadow) X(ObjInfoLogo) X(ObjInfoTitle)                 \
        X(ObjInfoSubtitle) X(ElementsPanel) X(ElementPanel) X(ElementGather) X(PulsingElements)    \
            X(ElementGatherNumber) X(ElementGatherNumberBlur) X(Score) X(ScoreBlur) X(LeftPanel)   \
                X(LeftPanelGlass) X(TopPanel) X(BottomPanel) X(EnergyBar) X(EnergyBarGlass)        \
                    X(MannaEnergy) X(MannaEnergyWave) X(ShuffleBubbles) X(ShuffleButtonShine)      \
                        X(LevelInfoDigit) X(EnergyBonusText) X(Paused) X(ResultMedals)

#define TOVAN_FONT_PICTURES(X) X(GlobalFontWhite) X(CommentFont)

#define TOVAN_WIDGET_PICTURES(X)                                                                   \
    X(VolumeFill)                                                                                  \
    X(VolumeGlass)                                                                                 \
    X(ConfirmWindow) X(WindowYesButton) X(WindowOKButton) X(WindowNoButton) X(WindowCancelButton)  \
        X(CheckBoxSound) X(CheckBoxMusic) X(CheckBoxFullscreen) X(CheckBoxTutorial)                \
            X(VolumeMinusButton) X(VolumePlusButton) X(OptionsWindow) X(InGameMenuWindow)          \
                X(NameListWindow) X(AddNameWindow) X(HighScoresWindow) X(ResultsWindow)            \
                    X(CreditsWindow) X(ScreenDarken) X(PlayButton) X(OptionsButton)                \
                        X(HighScoresButton) X(ExitButton) X(HelpButton) X(ChangePlayerLink)        \
                            X(NameListNewButton) X(NameListDeleteButton) X(MapMenuButton)          \
                                X(BookPlayButton) X(InGameMenuButton) X(InGameResumeButton)        \
                                    X(InGameRestartButton) X(InGameOptionsButton)                  \
                                        X(InGameHelpButton) X(InGameToMenuButton) X(CreditsButton) \
                                            X(WindowDoneButton) X(TutorialOKButton)                \
                                                X(StorySkipButton)

#define TOVAN_SCENE_PICTURES(X)                                                                    \
    X(SplashBG)                                                                                    \
    X(LoadingBarBG)                                                                                \
    X(LoadingBarFill) X(LoadingBarGlass) X(LoadingBarText) X(TransDark) X(TransSpin)               \
        X(WelcomePanel) X(MenuPanel) X(FeatureShine) X(GameLogo) X(NameListSelection) X(MapBG)     \
            X(BuySlotsPanelB) X(CompletedStamp) X(RoomNames) X(WorldMapWaves) X(HighScoreLine)     \
                X(Extras) X(Win8Notice) X(BuySlotIcons) X(BuySlotIcons_Gray) X(BuySlotGlassCover)  \
                    X(BuySlotBuyButton) X(ShopWindow) X(ElementIcons) X(ShopUpgradeSprites)        \
                        X(BookProgressTube) X(BookBottomPanel)

#define TOVAN_STORY_PICTURES(X)                                                                    \
    X(ChapterDialogBalloon)                                                                        \
    X(ChatTovan)                                                                                   \
    X(ChatTovanTalk) X(BlackRect) X(MovieEffectMask) X(TutorialBlackRect) X(TutorialIcons)         \
        X(TutorialArrow) X(TutorialDove) X(Scene0Captain)

#define TOVAN_DECORATION_PICTURES(X)                                                               \
    X(StoryBGMask)                                                                                 \
    X(MovieEffect)                                                                                 \
    X(Lightning) X(Fog) X(ScreenDustEffect) X(DustParticle) X(Confetti) X(RainFlowers) X(RainDrop) \
        X(PinkButterfly) X(BlueButterfly) X(Birdie) X(Horse) X(HorseCart)

#define TOVAN_STICKER_PICTURES(X)                                                                  \
    X(Upg1_1)                                                                                      \
    X(Upg1_2)                                                                                      \
    X(Upg1_3) X(Upg1_4) X(Upg2_1) X(Upg2_2A) X(Upg2_2B) X(Upg2_3) X(Upg2_4) X(Upg3_1) X(Upg3_2)    \
        X(Upg3_3) X(Upg3_4A) X(Upg3_4B) X(Upg4_1) X(Upg4_2) X(Upg4_3) X(Upg4_4A) X(Upg4_4B)        \
            X(Upg4_4C) X(Upg5_1) X(Upg5_2A) X(Upg5_2B) X(Upg5_2C) X(Upg5_2D) X(Upg5_2E) X(Upg5_2F) \
                X(Upg5_2G) X(Upg5_3) X(Upg5_4) X(Zeppelin)

#define TOVAN_PICTURES(X)                                                                          \
    TOVAN_BOARD_PICTURES(X)                                                                        \
    TOVAN_ROUND_PICTURES(X)                                                                        \
    TOVAN_FONT_PICTURES(X) TOVAN_WIDGET_PICTURES(X) TOVAN_SCENE_PICTURES(X)                        \
        TOVAN_STORY_PICTURES(X) TOVAN_DECORATION_PICTURES(X) TOVAN_STICKER_PICTURES(X)

namespace Pictures {

#define TOVAN_PICTURE_CONSTANT(name) inline constexpr std::string_view name = #name;
TOVAN_PICTURES(TOVAN_PICTURE_CONSTANT)
#undef TOVAN_PICTURE_CONSTANT

#define TOVAN_PICTURE_ENTRY(name) name,
inline constexpr std::string_view All[] = {TOVAN_PICTURES(TOVAN_PICTURE_ENTRY)};
#undef TOVAN_PICTURE_ENTRY

// Pictures numbered First..Last: Prefix + number + Suffix ("ChatCharacter" 2 "Talk").
struct TPictureFamily {
    std::string_view Prefix;
    std::string_view Suffix;
    int First;
    int Last;
    std::string Name(int number) const {
        return std::string(Prefix) + std::to_string(number) + std::string(Suffix);
    }
};

inline constexpr TPictureFamily CompanyLogos{"CompanyLogo", "", 1, 3};
inline constexpr TPictureFamily DiamondButterflies{"DiamondButterfly", "", 1, 3};
inline constexpr TPictureFamily HelpPages{"Help", "", 1, 1};
// Chat portraits by client number, and their talking mouths (frames 1..3 = patterns 0..2).
inline constexpr TPictureFamily ChatCharacters{"ChatCharacter", "", 1, 4};
inline constexpr TPictureFamily ChatCharacterTalks{"ChatCharacter", "Talk", 1, 4};
// Walkers of the sticker book (a citizen's ImgName).
inline constexpr TPictureFamily Citizens{"Citizen", "", 1, 6};
// Sticker-book backgrounds by stage + 1, late-loaded from Images/LateLoad.
inline constexpr TPictureFamily StageBackgrounds{"ciBG", "", 1, 8};
inline constexpr TPictureFamily StoryStrips{"StoryStrip", "", 1, 4};
inline constexpr TPictureFamily EndingStrips{"EndingStrip", "", 1, 3};
// The hero in hero scene n (Images/TovanScenes/n/), six idle frames.
inline constexpr TPictureFamily HeroScenes{"Scene", "Tovan", 0, 20};

inline constexpr std::array Families = {
    CompanyLogos, DiamondButterflies, HelpPages,   ChatCharacters, ChatCharacterTalks,
    Citizens,     StageBackgrounds,   StoryStrips, EndingStrips,   HeroScenes};

// Bosses: island k's boss lives in creature folder k - 1; its pictures are the kind, "Boss" and
// the pose: "OwlBossWalk" (nine walking frames), "OwlBossFront" (four frames facing front while
// it drains energy), "OwlBossDeath" (four frames), "OwlBossPieces" (six flying pieces).
inline constexpr std::array<std::string_view, 5> BossKinds = {"Owl", "Squirrel", "Bee", "Bat",
                                                              "Cat"};
inline constexpr std::array<std::string_view, 5> CreatureFolders = {"Centaur", "Hydra", "Golem",
                                                                    "Cyclops", "Dragon"};
inline constexpr std::array<std::string_view, 4> BossPoses = {"Walk", "Front", "Death", "Pieces"};
inline std::string BossPicture(int island, std::string_view pose) {
    const int index = island >= 1 && island <= 5 ? island - 1 : 0;
    return std::string(BossKinds[index]) + "Boss" + std::string(pose);
}

struct TTileCount {
    std::string_view Name;
    int Columns;
    int Rows;
};

// Layouts of the multi-tile pictures added beside the 85 fixed entries of the tile-count table;
// TSpriteTileCount appends them to its table.
inline constexpr TTileCount AddedTileCounts[] = {
    {Locker, 3, 1},
    {SpecialItems, 6, 1},
    {FoundFlowers, 6, 1},
    {MagicKey, 3, 1},
    {Broom, 4, 1},
    {Aerosol, 4, 1},
    {ToolCounter, 10, 1},
    {MonsterAuraSpark, 5, 2},
    {ObjInfoSubtitle, 1, 2},
    {ShuffleBubbles, 3, 1},
    {ShopUpgradeSprites, 10, 1},
    {ChatTovanTalk, 3, 1},
    {"ChatCharacter1Talk", 3, 1},
    {"ChatCharacter2Talk", 3, 1},
    {"ChatCharacter3Talk", 3, 1},
    {"ChatCharacter4Talk", 3, 1},
    {"Citizen1", 2, 1},
    {"Citizen2", 2, 1},
    {"Citizen3", 2, 1},
    {"Citizen4", 2, 1},
    {"Citizen5", 2, 1},
    {"Citizen6", 2, 1},
    {"OwlBossWalk", 9, 1},
    {"OwlBossFront", 4, 1},
    {"OwlBossDeath", 4, 1},
    {"OwlBossPieces", 6, 1},
    {"SquirrelBossWalk", 9, 1},
    {"SquirrelBossFront", 4, 1},
    {"SquirrelBossDeath", 4, 1},
    {"SquirrelBossPieces", 6, 1},
    {"BeeBossWalk", 9, 1},
    {"BeeBossFront", 4, 1},
    {"BeeBossDeath", 4, 1},
    {"BeeBossPieces", 6, 1},
    {"BatBossWalk", 9, 1},
    {"BatBossFront", 4, 1},
    {"BatBossDeath", 4, 1},
    {"BatBossPieces", 6, 1},
    {"CatBossWalk", 9, 1},
    {"CatBossFront", 4, 1},
    {"CatBossDeath", 4, 1},
    {"CatBossPieces", 6, 1},
    {"Scene1Tovan", 6, 1},
    {"Scene2Tovan", 6, 1},
    {"Scene3Tovan", 6, 1},
    {"Scene4Tovan", 6, 1},
    {"Scene5Tovan", 6, 1},
    {"Scene6Tovan", 6, 1},
    {"Scene7Tovan", 6, 1},
    {"Scene8Tovan", 6, 1},
    {"Scene9Tovan", 6, 1},
    {"Scene10Tovan", 6, 1},
    {"Scene11Tovan", 6, 1},
    {"Scene12Tovan", 6, 1},
    {"Scene13Tovan", 6, 1},
    {"Scene14Tovan", 6, 1},
    {"Scene15Tovan", 6, 1},
    {"Scene16Tovan", 6, 1},
    {"Scene17Tovan", 6, 1},
    {"Scene18Tovan", 6, 1},
    {"Scene19Tovan", 6, 1},
    {"Scene20Tovan", 6, 1},
};

} // namespace Pictures
