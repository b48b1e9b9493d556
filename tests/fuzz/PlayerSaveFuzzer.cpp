// Any bytes as a player save: every checked value lies in its range, and the record reads back
// as it was written.
#include "SaveFuzzing.h"
#include "saves/PlayerSaveRecord.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TPlayerSaveRecord record =
        DecodePlayerSave(WholeRecord(data, size, PlayerSaveRecordSize));
    CheckRoundTrip(record, DecodePlayerSave, EncodePlayerSave);
    if (record.UsableIsland() < 1 || record.UsableIsland() > IslandCount) std::abort();
    if (record.UsableLevel() < 1 || record.UsableRelaxedMode() > MaxRelaxedMode) std::abort();
    for (const int32_t volume : {record.UsableSoundVolume(), record.UsableMusicVolume()})
        if (volume < 0 || volume > MaxVolume) std::abort();
    for (size_t kind = 0; kind < ElementKindCount; ++kind)
        if (!std::isfinite(record.UsableStock(kind)) || record.UsableStock(kind) < 0) std::abort();
    return 0;
}
