#pragma once
// The fixed table of multi-tile pictures: how many columns and rows of equal tiles each one is
// cut into. A name that is not in the table is one tile.
#include <string>
#include <string_view>
#include <vector>

struct TSpriteTileCountEntry {
    std::string Name; // at most 80 characters
    int Columns = 1;
    int Rows = 1;
};

class TSpriteTileCount {
public:
    // Fills the table with the game's 85 entries.
    TSpriteTileCount();

    // Exact, case-sensitive name; the first entry wins. (1, 1) for a name not listed.
    TSpriteTileCountEntry Lookup(std::string_view name) const;
    const std::vector<TSpriteTileCountEntry>& Entries() const { return entries_; }

private:
    std::vector<TSpriteTileCountEntry> entries_;
};
