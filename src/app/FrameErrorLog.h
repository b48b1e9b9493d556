#pragma once
// A failing frame is skipped and the next one draws again, but never silently: the first
// occurrence of each distinct error is written to stderr and to the log in the data folder.
#include <set>
#include <string>

class TFrameErrorLog {
public:
    // logFile: where the errors are appended (its folder is made when missing); empty: stderr
    // only.
    explicit TFrameErrorLog(std::string logFile) : logFile_(std::move(logFile)) {}

    // True when the message was new and has been written.
    bool Report(const std::string& message);

private:
    std::string logFile_;
    std::set<std::string> seen_;
};
