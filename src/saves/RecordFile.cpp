#include "saves/RecordFile.h"

#include "files/AtomicWrite.h"
#include "files/FileRead.h"
#include "files/KeepAside.h"

#include <iostream>

namespace {

bool SizeFits(size_t bytes, TRecordSize size) {
    return bytes == size.Full || (size.EmptyToo && bytes == 0) ||
           (size.ShorterToo && bytes < size.Full);
}

std::string WrongSize(size_t bytes, TRecordSize size) {
    return std::to_string(bytes) + " bytes instead of " + std::to_string(size.Full);
}

// Moves the damaged file out of the way and says so.
void KeepAside(const std::string& path, const std::string& cause, const TSaveLog& log) {
    std::string error;
    const std::string aside = KeepFileAside(path, error);
    if (aside.empty())
        Say(log, path + ": " + cause + "; cannot keep it aside (" + error + "), starting afresh");
    else
        Say(log, path + ": " + cause + "; kept aside as " + aside + ", starting afresh");
}

} // namespace

void LogToStderr(const std::string& line) {
    std::cerr << line << '\n';
}

void Say(const TSaveLog& log, const std::string& line) {
    if (log)
        log(line);
    else
        LogToStderr(line);
}

TReadRecord ReadRecordFile(const std::string& path, TRecordSize size, const TSaveLog& log) {
    TFileContents contents = ReadWholeFile(path, size.Full);
    if (contents.Error.Failure == TFileFailure::Missing) return {};
    if (contents.Ok() && SizeFits(contents.Bytes.size(), size)) {
        contents.Bytes.resize(size.Full, 0);
        return {TRecordState::Read, std::move(contents.Bytes)};
    }
    KeepAside(path, contents.Ok() ? WrongSize(contents.Bytes.size(), size) : contents.Error.Cause,
              log);
    return {TRecordState::KeptAside, {}};
}

bool WriteRecordFile(const std::string& path, std::span<const uint8_t> bytes, const TSaveLog& log) {
    const std::string error = WriteFileAtomic(path, bytes);
    if (error.empty()) return true;
    Say(log, path + ": not saved: " + error);
    return false;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}
