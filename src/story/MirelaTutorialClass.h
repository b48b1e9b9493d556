#pragma once
// TMirelaTutorial: Mirela's numbered tutorial steps, shown in a dark panel at the start of chosen
// levels with an icon, a title and a text that types itself in. Each step shows at most once per
// player; the owner keeps the shown flags in the player's save and waits while a step shows.
#include "story/NarrationTextClass.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class TGlobalGameText;
class TTextStrings;

class TMirelaTutorial {
public:
    static constexpr int StepCount = 13;
    // Every guardian's level teaches the same step.
    static constexpr int BossStep = 7;
    // The sticker book asks with island and level 0.
    static constexpr int BookStep = 9;
    using TShownFlags = std::array<uint8_t, StepCount>;

    int Left = 481;
    int Top = 146;
    bool Enabled = true;
    // Draws the title; without it the title is left out.
    const TGlobalGameText* GameText = nullptr;
    std::function<void(int step)> OnStart;
    std::function<void(int step)> OnSpecificTutorialIdx;
    std::function<void()> OnFinish;

    // Clears every shown flag and takes the 13 titles and texts of the tutorial table.
    void LoadTexts(const TTextStrings& texts);
    // The step of a level, 0 for none.
    static int StepFor(uint8_t islandIdx, int levelIdx, bool bossLevel);
    // Enabled, the level has a step and it has not been shown.
    bool HasStep(uint8_t islandIdx, int levelIdx, bool bossLevel) const;
    // Shows the level's step when HasStep; a step already shown never shows again.
    void Start(uint8_t islandIdx, int levelIdx, bool bossLevel);
    // The panel fades out and OnFinish is raised, once per step shown.
    void Finish();
    void Reset();

    TShownFlags ShownFlags() const { return shown_; }
    void SetShownFlags(const TShownFlags& flags) { shown_ = flags; }
    bool Shown(int step) const { return ValidStep(step) && shown_[step - 1] != 0; }

    // Once per tick while showing: panel, icon, title, text, then the fade moves on.
    void UpdateAndDraw();

    bool Showing() const { return showing_; }
    // Showing and not yet told to finish.
    bool Open() const { return showing_ && fadeTarget_ > 0; }
    int CurrentStep() const { return step_; }
    float Fade() const { return fade_; }
    const std::string& Title(int step) const { return titles_[step - 1]; }
    const TNarrationText& Text() const { return text_; }

private:
    static bool ValidStep(int step) { return step >= 1 && step <= StepCount; }
    void Show(int step);
    void ConfigureText();

    std::array<std::string, StepCount> titles_{};
    std::array<std::string, StepCount> texts_{};
    TShownFlags shown_{};
    bool showing_ = false;
    int step_ = 0;
    float fade_ = 0;
    float fadeTarget_ = 0;
    TNarrationText text_;
};
