// Any bytes as a level file: decoding, checking and writing back never fail, and a checked
// record needs no second correction.
#include <cstdlib>

#include "board/LevelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto record = DecodeLevelRecord({data, size});
    if (!record) return 0;
    ValidateLevelRecord(*record);
    TLevelRecord again = *record;
    for (const TLevelProblem& problem : ValidateLevelRecord(again))
        if (!problem.Correction.empty()) std::abort();
    if (!(again == *record)) std::abort();
    if (!(*DecodeLevelRecord(EncodeLevelRecord(*record)) == *record)) std::abort();
    return 0;
}
