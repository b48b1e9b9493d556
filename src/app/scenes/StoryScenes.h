#pragma once
// The comic strips of the opening story (gsOpeningStory) and of the ending (gsEndingStory): each
// strip fades in, stays a few seconds and fades out; after the last, or at Skip, the menu comes.
// The strips' pictures are loaded on entering and freed on leaving.
// TODO(story issue): the narration, the old-movie layers and the dust over the strips.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "engine/GameButtonClass.h"
#include "engine/PictureNames.h"

class TStoryScene : public TScene {
public:
    static constexpr int FadeTicks = 15;
    static constexpr int HoldTicks = 130;
    static constexpr int StripTicks = 2 * FadeTicks + HoldTicks;

    // `imageSet`: StoryImageSet or EndingImageSet, whose pictures are `strips`.
    TStoryScene(const TGameServices& services, int imageSet, Pictures::TPictureFamily strips);

    void TakeSizes() { skipButton_.TakeSize(); }
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;

    const TGameButton& SkipButton() const { return skipButton_; }
    // The strip showing, from the family's first number.
    int Strip() const { return strip_; }

private:
    int StripAlpha() const;
    // On to the menu, once.
    void Finish();

    TGameServices services_;
    const int imageSet_;
    const Pictures::TPictureFamily strips_;
    TGameButton skipButton_;
    int strip_ = 0;
    int tick_ = 0;
    bool finished_ = false;
};
