#include "progression/SlotPricesFile.h"

#include "files/FileRead.h"

#include <bit>
#include <cmath>

namespace {

constexpr size_t SingleSize = 4;
constexpr size_t SlotSize = ElementKinds * SingleSize;
constexpr size_t IslandSize = SlotsPerBuyIsland * SlotSize;
static_assert(BuyIslands * IslandSize == SlotPricesRecordSize);
// A prices file is 400 bytes; anything far larger is no prices file.
constexpr size_t LargestPricesFile = 1 << 16;

size_t PriceOffset(int island, int slot, size_t kind) {
    return island * IslandSize + slot * SlotSize + kind * SingleSize;
}

float ReadSingle(std::span<const uint8_t> bytes, size_t at) {
    const uint32_t bits = uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 |
                          uint32_t{bytes[at + 2]} << 16 | uint32_t{bytes[at + 3]} << 24;
    return std::bit_cast<float>(bits);
}

void WriteSingle(std::vector<uint8_t>& bytes, size_t at, float value) {
    const uint32_t bits = std::bit_cast<uint32_t>(value);
    for (size_t i = 0; i < SingleSize; ++i) bytes[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

template <typename TVisit> void ForEachPrice(TVisit visit) {
    for (int island = 0; island < BuyIslands; ++island)
        for (int slot = 0; slot < SlotsPerBuyIsland; ++slot)
            for (size_t kind = 0; kind < ElementKinds; ++kind)
                visit(island, slot, kind, PriceOffset(island, slot, kind));
}

} // namespace

float UsablePrice(float price) {
    return std::isfinite(price) && price > 0 ? price : 0;
}

bool DecodeSlotPrices(std::span<const uint8_t> bytes, TSlotPrices& prices) {
    if (bytes.size() < SlotPricesRecordSize) return false;
    ForEachPrice([&](int island, int slot, size_t kind, size_t at) {
        prices[island][slot][kind] = ReadSingle(bytes, at);
    });
    return true;
}

std::vector<uint8_t> EncodeSlotPrices(const TSlotPrices& prices) {
    std::vector<uint8_t> bytes(SlotPricesRecordSize);
    ForEachPrice([&](int island, int slot, size_t kind, size_t at) {
        WriteSingle(bytes, at, prices[island][slot][kind]);
    });
    return bytes;
}

TSlotPricesRead ReadSlotPricesFile(const std::string& path) {
    TSlotPricesRead read;
    const TFileContents contents = ReadWholeFile(path, LargestPricesFile);
    if (contents.Error.Failure == TFileFailure::Missing) return read;
    if (!contents.Ok()) {
        read.Problem = path + ": prices not read, every price is 0: " + contents.Error.Cause;
        return read;
    }
    TSlotPrices prices{};
    if (!DecodeSlotPrices(contents.Bytes, prices)) {
        read.Problem =
            path + ": prices not read, every price is 0: " + std::to_string(contents.Bytes.size()) +
            " bytes instead of " + std::to_string(SlotPricesRecordSize);
        return read;
    }
    for (auto& island : prices)
        for (auto& slot : island)
            for (float& price : slot) price = UsablePrice(price);
    read.Prices = prices;
    return read;
}
