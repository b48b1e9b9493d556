#include "app/ErrorLog.h"

#include <cstdio>
#include <fstream>

bool TErrorLog::Report(const std::string& message) {
    if (!seen_.insert(message).second) return false;
    std::fprintf(stderr, "%s\n", message.c_str());
    if (logFile_.empty()) return true;
    std::ofstream log(logFile_, std::ios::app);
    if (log) log << message << '\n';
    return true;
}
