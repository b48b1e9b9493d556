#pragma once
// The world map (gsMap), the game's hub: the sea with the five islands and their name labels,
// the level buttons of the current island with the stamps of completed levels, the purse, the
// current island's four upgrade slots between the two corner panels and the shop window over
// them, Menu and Play. A click on an open island makes it current; a level button starts its
// level; Play starts the island's next level.
#include "app/GameServices.h"
#include "app/scenes/Scene.h"
#include "effects/AmbientDecorations.h"
#include "engine/GameButtonClass.h"
#include "engine/GameCommentClass.h"
#include "engine/GameMenuWindowClass.h"

#include <vector>

class TMapIslands;

class TMapScene : public TScene {
public:
    static constexpr TPoint LeftPanelRest{32, 629};
    static constexpr TPoint RightPanelRest{1110, 629};
    // The upgrade slots rest between the corner panels and ride up with them.
    static constexpr TPoint SlotsPanelRest{262, 660};
    static constexpr int LevelButtonSize = 50;
    static constexpr int MaxLevelButtons = 18;

    struct TLevelButton {
        int Level;
        TPoint Centre;
        bool Completed;
    };

    explicit TMapScene(const TGameServices& services);

    void TakeSizes();
    void Enter(TGameSceneValues from) override;
    void Leave(TGameSceneValues to) override;
    void TransitionStarts(TGameSceneValues to) override;
    void Frame() override;
    void Mouse(const TPlatformEvent& event) override;
    std::vector<TKeyStop> KeyStops() const override;

    // A line over the map in the comment font (a newly opened island, a completed one).
    void Announce(const std::string& text);

    const TGameButton& MenuButton() const { return menuButton_; }
    const TGameButton& PlayButton() const { return playButton_; }
    const TGameMenuWindow& RightPanel() const { return rightPanel_; }
    const std::vector<TLevelButton>& LevelButtons() const { return levelButtons_; }
    // Where the purse's count of a kind is written.
    static TPoint PurseCountPos(int kind);
    // Where the map's flowers, butterflies, birds and rain may live: off the logo, the purse,
    // the island labels, the level buttons of every open island and the panels.
    static TDecorationLayout DecorationLayout(const TMapIslands& islands);
    const TAmbientDecorations& Decorations() const { return decorations_; }

private:
    void PlayClick();
    // The island becomes current: its slots, its next level and its level buttons.
    void SelectIsland(int island);
    int NextLevelOn(int island) const;
    void BuildLevelButtons(int island);
    // The level button under the point; nullptr for none.
    const TLevelButton* LevelButtonAt(int x, int y) const;
    void StartLevel(int level);
    void MouseDown(const TPlatformEvent& event);
    void MouseMove(const TPlatformEvent& event);
    void MouseUp(const TPlatformEvent& event);

    void DrawLevelButtons() const;
    void DrawPurse() const;
    void DrawSlots();
    void DrawShine() const;

    TGameServices services_;
    TGameMenuWindow leftPanel_;
    TGameMenuWindow rightPanel_;
    TGameButton menuButton_;
    TGameButton playButton_;
    TGameComment comment_;
    std::vector<TLevelButton> levelButtons_;
    int hoveredLevel_ = 0;
    // A press on a level button or an island, waiting for its release there.
    int pressedLevel_ = 0;
    int pressedIsland_ = 0;
    TAmbientDecorations decorations_;
    int ticks_ = 0;
};
