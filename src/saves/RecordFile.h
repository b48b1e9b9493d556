#pragma once
// Reading and writing the one record of a file of the data folder, with the rule every such
// file follows: a file that is there but cannot be read whole is kept aside as ".bad" and
// logged before its owner falls back to defaults, so that nothing overwrites it.
#include "saves/RecordFields.h"

#include <functional>
#include <string>

// Where the owners of these files report what went wrong: one line each. The controller hands
// in its error log; by default the lines go to stderr.
using TSaveLog = std::function<void(const std::string& line)>;
void LogToStderr(const std::string& line);
// Every line is said somewhere: a log left empty still reaches stderr.
void Say(const TSaveLog& log, const std::string& line);

// The sizes a file of a kind may have besides its full size.
struct TRecordSize {
    size_t Full = 0;
    bool EmptyToo = false;   // an empty file reads as a record of zeros
    bool ShorterToo = false; // any shorter file reads with zeros after its end
};

enum class TRecordState : uint8_t { Read, Missing, KeptAside };

struct TReadRecord {
    TRecordState State = TRecordState::Missing;
    TRecordBytes Bytes; // when Read: exactly the full size
};

TReadRecord ReadRecordFile(const std::string& path, TRecordSize size, const TSaveLog& log);
// Writes the whole file or nothing; a failure is logged. True when written.
bool WriteRecordFile(const std::string& path, std::span<const uint8_t> bytes, const TSaveLog& log);

// The folder with a '/' at its end, then the name.
std::string InFolder(const std::string& folder, const std::string& name);
