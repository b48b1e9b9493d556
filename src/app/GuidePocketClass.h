#pragma once
// TGuidePocket: Mirela's pocket on the plate above the tool cabinet, where she keeps the goods
// the player gathers: her small figure, how many goods the pocket holds, and a twinkle of little
// stars whenever new goods drop in. The first goods of a round raise OnFirstGoods, which is
// when a new player is told what the pocket is for.
#include "engine/Geometry.h"
#include "progression/ElementsCount.h"

#include <functional>

class TGlobalGameText;

class TGuidePocket {
public:
    // Mirela's corner on the plate, and the pocket's count beside her, where a tip points.
    static constexpr TPoint GuidePos{14, 14};
    static constexpr TPoint PocketPoint{86, 40};
    // The count's advances end a glyph short of the plate's right edge; a long count is drawn
    // smaller to stay on the plate.
    static constexpr int CountLeft = 64;
    static constexpr int CountRight = 104;
    // Ticks the little stars twinkle after goods dropped in.
    static constexpr int TwinkleTicks = 24;

    // Draws the count; without it the count is left out.
    const TGlobalGameText* GameText = nullptr;
    std::function<void()> OnFirstGoods;

    // At a level's start: the pocket holds the player's stocks, the round's goods still to come.
    void Fill(const TElementsCount& stocks);
    // Goods have dropped in: the pocket holds `stocks` now.
    void Receive(const TElementsCount& stocks);
    void UpdateAndDraw();

    // Whole goods in the pocket, of all kinds together.
    int Goods() const { return goods_; }
    bool Twinkling() const { return twinkle_ > 0; }

private:
    void DrawCount() const;
    void DrawStars() const;

    int goods_ = 0;
    bool received_ = false;
    int twinkle_ = 0;
};
