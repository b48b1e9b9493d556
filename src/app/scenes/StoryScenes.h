#pragma once
// The comic strips of the opening story (gsOpeningStory) and of the ending (gsEndingStory): each
// strip fades in under the old-movie layers while its narration types itself in, stays a few
// seconds and fades out with its words; after the last, or at Skip, the story goes on to the
// scene it was told before. The strips' pictures are loaded on entering and freed on leaving.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/PictureNames.h"
#include "story/NarrationTextClass.h"

class TStoryScene : public TScene {
public:
    static constexpr int FadeTicks = 15;
    static constexpr int HoldTicks = 190;
    static constexpr int StripTicks = 2 * FadeTicks + HoldTicks;
    // The narration begins once the strip is in and vanishes as it starts to fade out.
    static constexpr int NarrationStartTick = FadeTicks;
    static constexpr int NarrationVanishTick = StripTicks - 2 * FadeTicks;

    // `imageSet`: StoryImageSet or EndingImageSet, whose pictures are `strips`; strip n is
    // narrated by game text `firstNarration` + n - first (an empty text narrates nothing).
    TStoryScene(const TGameServices& services, int imageSet, Pictures::TPictureFamily strips,
                int firstNarration);

    // Where the story goes when it ends or is skipped (the menu unless told otherwise).
    TGameSceneValues NextScene = gsMenu;

    void TakeSizes() { skipButton_.TakeSize(); }
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    const TGameButton& SkipButton() const { return skipButton_; }
    // The strip showing, from the family's first number.
    int Strip() const { return strip_; }
    const TNarrationText& Narration() const { return narration_; }

private:
    int StripAlpha() const;
    // Whether a layer whose bursts begin at tick `start` of each round shows now.
    bool InBurst(int start) const;
    void DrawLayers() const;
    void Narrate();
    // On to the next scene, once.
    void Finish();

    TGameServices services_;
    const int imageSet_;
    const Pictures::TPictureFamily strips_;
    const int firstNarration_;
    TGameButton skipButton_;
    TNarrationText narration_;
    int strip_ = 0;
    int tick_ = 0;
    int ticks_ = 0;
    bool finished_ = false;
};
