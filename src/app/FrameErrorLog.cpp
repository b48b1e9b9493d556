#include "app/FrameErrorLog.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

bool TFrameErrorLog::Report(const std::string& message) {
    if (!seen_.insert(message).second) return false;
    std::fprintf(stderr, "Frame skipped: %s\n", message.c_str());
    if (logFile_.empty()) return true;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(logFile_).parent_path(), error);
    std::ofstream log(logFile_, std::ios::app);
    if (log) log << "Frame skipped: " << message << '\n';
    return true;
}
