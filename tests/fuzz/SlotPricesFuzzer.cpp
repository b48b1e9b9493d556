// Any bytes as the prices file, and any text as its source: decoding never fails, the game's
// prices are always usable, and a decoded record writes back to the same bytes.
#include "levels/PriceSource.h"
#include "progression/SlotPricesFile.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TSlotPrices prices{};
    if (DecodeSlotPrices({data, size}, prices)) {
        const auto bytes = EncodeSlotPrices(prices);
        if (!std::equal(bytes.begin(), bytes.end(), data)) std::abort();
        for (const auto& island : prices)
            for (const auto& slot : island)
                for (const float price : slot) {
                    const float usable = UsablePrice(price);
                    if (!std::isfinite(usable) || usable < 0) std::abort();
                }
    }
    TPriceSource source;
    std::vector<std::string> problems;
    const bool read = ParsePriceSource("f", std::string(data, data + size), source, problems);
    if (read != problems.empty()) std::abort();
    return 0;
}
