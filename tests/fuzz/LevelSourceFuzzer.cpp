// Any text as a level source: parsing and checking never fail, and whatever parses is written
// back as a source that reads the same.
#include <cstdlib>

#include "levels/LevelSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TLevelSource source;
    TSourceError error;
    if (!ParseLevelSource(std::string(reinterpret_cast<const char*>(data), size), source, error))
        return 0;
    CheckLevelSource("fuzz.level", source);
    std::string text, unwritable;
    if (!PrintLevelSource(source.Record, text, unwritable)) return 0;
    TLevelSource again;
    if (!ParseLevelSource(text, again, error) || !(again.Record == source.Record)) std::abort();
    return 0;
}
