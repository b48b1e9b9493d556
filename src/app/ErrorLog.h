#pragma once
// What goes wrong while the game runs (a skipped frame, a picture that cannot be loaded, a
// content folder that cannot be read) is never silent: the first occurrence of each distinct
// message is written to stderr and to the log in the data folder.
#include <set>
#include <string>

class TErrorLog {
public:
    // logFile: where the messages are appended; empty: stderr only.
    explicit TErrorLog(std::string logFile) : logFile_(std::move(logFile)) {}

    // True when the message was new and has been written.
    bool Report(const std::string& message);

private:
    std::string logFile_;
    std::set<std::string> seen_;
};
