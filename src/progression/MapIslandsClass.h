#pragma once
// TMapIslands: which of the five islands are open, which one is current and which one the mouse
// is over; the islands' name labels on the map; the announcement of a newly opened island, once;
// and the guardian of the current island.
#include "engine/Geometry.h"

#include <array>
#include <cstdint>
#include <string>

class TTextStrings;
class TBuySlots;

inline constexpr int MapIslandCount = 5;

class TMapIslands {
public:
    const TTextStrings* TextStringsComp = nullptr;

    TMapIslands() { Reset(); }
    // A new profile: island 1 open and current.
    void Reset();

    // 1..5; other values change nothing.
    void Unlock(int island);
    // The island after every island whose four slots are all bought opens: the one rule by
    // which the islands open. True when one opened now.
    bool UnlockCompleted(const TBuySlots& slots);
    // The highest open island not above `island` (1 when none) becomes current and hovered.
    void SelectForIsland(int island);
    void SelectHighestUnlocked();
    // The current island when it is open; False for a closed one.
    bool Select(int island);
    void MarkEntered() { entered_[current_ - 1] = true; }
    // The line of the highest open island that was neither entered nor announced, all of them
    // marked announced; "" when there is none.
    std::string TakeAnnouncement();

    int Current() const { return current_; }
    int Hovered() const { return hovered_; }
    bool Unlocked(int island) const { return Valid(island) && unlocked_[island - 1]; }
    bool Entered(int island) const { return Valid(island) && entered_[island - 1]; }
    bool Announced(int island) const { return Valid(island) && announced_[island - 1]; }
    int HighestUnlocked() const;
    // 0..4: the guardian of the current island (owl, squirrel, bee, bat, cat).
    int BossIndex() const { return Valid(current_) ? current_ - 1 : 0; }
    // The island whose map area holds the point; 0 for the sea.
    static int IslandAt(int x, int y);
    static TPoint LabelCentre(int island);
    // The island's area on the map: left, top, width, height.
    static std::array<int, 4> IslandArea(int island);

    // Persistence: one byte per island for each flag, the current island.
    std::array<uint8_t, MapIslandCount> UnlockedFlags() const { return Flags(unlocked_); }
    std::array<uint8_t, MapIslandCount> EnteredFlags() const { return Flags(entered_); }
    std::array<uint8_t, MapIslandCount> AnnouncedFlags() const { return Flags(announced_); }
    // Island 1 stays open whatever the bytes say; a current island out of range or closed
    // becomes the highest open one.
    void Restore(const std::array<uint8_t, MapIslandCount>& unlocked,
                 const std::array<uint8_t, MapIslandCount>& entered,
                 const std::array<uint8_t, MapIslandCount>& announced, int current);

    // The mouse over the map: the island under it is hovered while it is open.
    void MouseMove(int x, int y);
    // Advances the labels' glow and size and draws them.
    void Tick();
    float LabelScale(int island) const { return scale_[island - 1]; }
    int Glow(int island) const { return glow_[island - 1]; }
    uint8_t LabelAlpha(int island) const;

private:
    static bool Valid(int island) { return island >= 1 && island <= MapIslandCount; }
    static std::array<uint8_t, MapIslandCount> Flags(const std::array<bool, MapIslandCount>& set);

    std::array<bool, MapIslandCount> unlocked_{};
    std::array<bool, MapIslandCount> entered_{};
    std::array<bool, MapIslandCount> announced_{};
    std::array<float, MapIslandCount> scale_{};
    std::array<int, MapIslandCount> glow_{};
    int current_ = 1;
    int hovered_ = 0;
};
