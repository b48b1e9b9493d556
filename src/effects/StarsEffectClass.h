#pragma once
// TStarsEffect: little stars shed from a tile, sinking and fading.
#include "board/GameData.h"

#include <array>

class TStarsEffect {
public:
    static constexpr int Groups = 50;
    static constexpr int StarsPerGroup = 4;
    static constexpr int LowestAlpha = 60;

    bool Visible = true;
    int AlphaStep = 4;

    // Four new stars on the tile, in the next group of the ring.
    void StarsAt(TPoint tile);
    // The same at a pixel: where a thrown element struck the boss.
    void StarsAtPixel(TPoint corner);
    // Stars on every element tile that holds a found flower.
    void StarsOnFoundFlowers(const TBoardData& board);
    void Tick();
    void Clear();
    int ActiveCount() const;

    struct TStar {
        bool Active = false;
        int X = 0, Y = 0;
        int LifeMs = 0;
        int LifeLimitMs = 0;
        int Alpha = 120;
        int Picture = 1;
    };
    const TStar& Star(int group, int index) const { return groups_[group][index]; }

private:
    std::array<std::array<TStar, StarsPerGroup>, Groups> groups_{};
    int next_ = 0;
};
