#pragma once
// Reading a whole file of ours: regular files only, never more than a cap fitting the kind of
// file, every failure an error value with its cause.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class TFileFailure : uint8_t { None, Missing, NoPermission, NotRegular, TooLarge, ReadError };

struct TFileError {
    TFileFailure Failure = TFileFailure::None;
    // One line, e.g. "No such file or directory" or "not a regular file but a folder".
    std::string Cause;

    bool Failed() const { return Failure != TFileFailure::None; }
};

struct TFileContents {
    std::vector<uint8_t> Bytes; // empty on failure
    TFileError Error;

    bool Ok() const { return !Error.Failed(); }
};

// The whole file when it is a regular file of at most maxBytes bytes.
TFileContents ReadWholeFile(const std::string& path, size_t maxBytes);
// Whether ReadWholeFile would find a regular file of at most maxBytes bytes there, for files
// that another library opens by name.
TFileError CheckReadableFile(const std::string& path, size_t maxBytes);

// "a folder", "a device", "a pipe", ... for a stat mode that is not a regular file.
const char* FileTypeName(unsigned mode);
