// Any bytes as a game log, short ones included: it reads back as written and always renders.
#include "SaveFuzzing.h"
#include "saves/GameLoggerClass.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TGameLogRecord record = DecodeGameLog(WholeRecord(data, size, GameLogRecordSize));
    CheckRoundTrip(record, DecodeGameLog, EncodeGameLog);
    if (GameLogText(record).empty()) std::abort();
    return 0;
}
