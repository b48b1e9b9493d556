#include "ReplayChecksum.h"

#include <cstdio>

namespace {

constexpr uint64_t FnvOffsetBasis = 14695981039346656037ull;
constexpr uint64_t FnvPrime = 1099511628211ull;

class TFnv1a {
public:
    void Byte(uint8_t byte) {
        hash ^= byte;
        hash *= FnvPrime;
    }
    void Int(int32_t value) {
        const auto bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<uint8_t>(bits >> shift));
    }
    uint64_t Value() const { return hash; }

private:
    uint64_t hash = FnvOffsetBasis;
};

void AddTile(TFnv1a& fnv, const TBoardTile& tile) {
    for (uint8_t byte : {tile.ObjectKind, tile.BackgroundStyle, tile.LockerColor, tile.ElementCode,
                         tile.Web, tile.ChainLevel, tile.FruitBomb, tile.WormState})
        fnv.Byte(byte);
    fnv.Int(tile.WormTime);
    fnv.Int(tile.BlasterCode);
    fnv.Int(tile.FallOffset);
}

} // namespace

uint64_t ReplayChecksum(const TBoardData& grid, int score, const TGatheringCounts& remaining) {
    TFnv1a fnv;
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y) AddTile(fnv, grid(x, y));
    fnv.Int(score);
    for (int count : remaining) fnv.Int(count);
    return fnv.Value();
}

std::string ChecksumText(uint64_t checksum) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(checksum));
    return text;
}
