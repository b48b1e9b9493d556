// "SlotPrices.dat": the record, and what a bad file leaves.
#include "progression/SlotPricesFile.h"

#include "TempFolder.h"
#include "progression/BuySlotsClass.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TSlotPrices NumberedPrices() {
    TSlotPrices prices{};
    float value = 0.25f;
    for (auto& island : prices)
        for (auto& slot : island)
            for (float& price : slot) price = value += 1.5f;
    return prices;
}

std::string AsText(const std::vector<uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(SlotPricesFile, RoundTripsAtTheDocumentedOffsets) {
    const TSlotPrices prices = NumberedPrices();
    const auto bytes = EncodeSlotPrices(prices);
    ASSERT_EQ(bytes.size(), 400u);
    // Island 2, slot 3, potion: 80 + 40 + 8, little-endian.
    const uint32_t bits = std::bit_cast<uint32_t>(prices[1][2][elPotion]);
    EXPECT_EQ(bytes[128], bits & 0xFF);
    EXPECT_EQ(bytes[131], bits >> 24);
    TSlotPrices back{};
    ASSERT_TRUE(DecodeSlotPrices(bytes, back));
    EXPECT_EQ(back, prices);
}

TEST(SlotPricesFile, AShortOrMissingFileGivesZeroPricesAndAShortOneIsLogged) {
    TTempFolder folder("slot-prices");
    auto bytes = EncodeSlotPrices(NumberedPrices());
    bytes.resize(399);
    folder.Write("short.dat", AsText(bytes));
    const TSlotPricesRead shortRead = ReadSlotPricesFile(folder.Path() + "short.dat");
    EXPECT_EQ(shortRead.Prices, TSlotPrices{});
    EXPECT_NE(shortRead.Problem.find("399 bytes"), std::string::npos) << shortRead.Problem;

    const TSlotPricesRead missing = ReadSlotPricesFile(folder.Path() + "none.dat");
    EXPECT_EQ(missing.Prices, TSlotPrices{});
    EXPECT_TRUE(missing.Problem.empty());

    const TSlotPricesRead folderRead = ReadSlotPricesFile(folder.Path());
    EXPECT_EQ(folderRead.Prices, TSlotPrices{});
    EXPECT_FALSE(folderRead.Problem.empty());

    // Bytes after the record are not read.
    auto longer = EncodeSlotPrices(NumberedPrices());
    longer.resize(450, 0xFF);
    folder.Write("long.dat", AsText(longer));
    EXPECT_EQ(ReadSlotPricesFile(folder.Path() + "long.dat").Prices, NumberedPrices());
}

TEST(SlotPricesFile, NonFiniteAndNegativePricesCostNothing) {
    TSlotPrices prices{};
    prices[0][0] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -3, 2.5f, 1};
    TTempFolder folder("slot-prices-nan");
    folder.Write("SlotPrices.dat", AsText(EncodeSlotPrices(prices)));
    TBuySlots slots;
    slots.PricesFilePath = folder.Path();
    slots.PricesFileName = SlotPricesFileName;
    std::string logged;
    slots.OnLog = [&](const std::string& line) { logged = line; };
    slots.LoadPrices();
    EXPECT_EQ(slots.Slot(1, 1).Price, (TElementsCount{0, 0, 0, 2.5f, 1}));
    EXPECT_TRUE(logged.empty());
    // A price that was not a number no longer makes the slot unaffordable for ever.
    slots.SetOwned({0, 0, 0, 3, 1});
    slots.UpdateAffordable();
    EXPECT_TRUE(slots.Slot(1, 1).Affordable);
}
