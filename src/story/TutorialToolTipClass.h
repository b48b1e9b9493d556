#pragma once
// TTutorialToolTip: a short hint in a small panel with an arrow pointing at a place on the
// screen. Level starts, the player's matches and round events ask for tips; each tip shows at
// most once per player, and only the tips the game teaches with are ever shown. The owner
// answers where a tip points and freezes the round while one shows.
#include "engine/AnimDataClass.h"
#include "engine/Geometry.h"
#include "story/NarrationTextClass.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class TTextStrings;

// The round's events that have a tip.
enum TToolTipEvent : uint8_t {
    teStarInPocket, // a star reached the guide's pocket (island 1, after level 1)
    teFirstEnergy,  // the energy gauge's first share (island 1, level 4)
    teSecondEnergy, // its second share
    teSpiderLanded, // a spider has landed on the board
    teWebFinished,  // a spider has finished a web
};

// The sticker book's moments that have a tip.
enum TBookToolTip : uint8_t {
    btTutorialDone, // the book's tutorial step has been closed
    btProgress,
    btSailOn,
};

class TTutorialToolTip {
public:
    static constexpr int TipCount = 27;
    using TShownFlags = std::array<uint8_t, TipCount>;
    static constexpr TPoint Unplaced{-999, -999};

    bool Enabled = true;
    uint8_t IslandIdx = 1;
    int LevelIdx = 1;
    // The point tip `tip` indicates.
    std::function<void(int tip, TPoint& pointingPos)> OnPointingPosRequest;
    std::function<void(int x, int y)> OnButtonPosChange;
    std::function<void()> OnStart;
    std::function<void(int tip)> OnSpecificToolTipIdx;
    std::function<void()> OnFinish;

    // Clears every shown flag and takes the 27 texts of the tip table.
    void LoadTexts(const TTextStrings& texts);
    // The tip of the level, if it has one.
    void LevelStart();
    // A match the player made; while a tip shows it does not count.
    void ManualMatch();
    void EventTip(TToolTipEvent kind);
    void BookTip(TBookToolTip kind);
    // Where the round's tips point.
    void RememberBoardPoints(TPoint first, TPoint second);
    void RememberSpiderLanding(TPoint pixel) { spiderLanding_ = pixel; }
    void RememberWebTile(TPoint tile) { webTile_ = tile; }
    TPoint SpiderLanding() const { return spiderLanding_; }
    // The tip fades out and OnFinish is raised, once per tip shown.
    void Finish();
    void Reset();

    TShownFlags ShownFlags() const { return shown_; }
    void SetShownFlags(const TShownFlags& flags) { shown_ = flags; }
    bool Shown(int tip) const { return ValidTip(tip) && shown_[tip - 1] != 0; }
    // Only these tips are taught; a request for another one does nothing.
    static bool Taught(int tip);

    // Once per tick while showing: panel, text and the pointing arrow, then the fade moves on.
    void UpdateAndDraw();

    bool Showing() const { return showing_; }
    // Showing and not yet told to finish.
    bool Open() const { return showing_ && fadeTarget_ > 0; }
    int CurrentTip() const { return tip_; }
    int MatchCount() const { return matchCount_; }
    float Fade() const { return fade_; }
    int Quadrant() const { return quadrant_; }
    TPoint ArrowPos() const { return arrowPos_; }
    int ArrowAngle() const { return arrowAngle_; }
    TPoint PanelPos() const { return panelPos_; }
    TPoint ButtonPos() const { return buttonPos_; }
    const TNarrationText& Text() const { return text_; }

private:
    static bool ValidTip(int tip) { return tip >= 1 && tip <= TipCount; }
    void Show(int tip);
    void Place(TPoint pointing);
    void ConfigureText();

    std::array<std::string, TipCount> texts_{};
    TShownFlags shown_{};
    bool showing_ = false;
    int tip_ = 0;
    int matchCount_ = 0;
    int quadrant_ = 0;
    TPoint arrowPos_ = Unplaced;
    int arrowAngle_ = 0;
    TPoint panelPos_ = Unplaced;
    TPoint textPos_ = Unplaced;
    TPoint buttonPos_ = Unplaced;
    float fade_ = 0;
    float fadeTarget_ = 0;
    TAnimData arrowAnim_;
    TNarrationText text_;
    std::array<TPoint, 2> boardPoints_{};
    TPoint spiderLanding_{};
    TPoint webTile_{};
};
