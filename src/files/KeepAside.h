#pragma once
// Keeping a damaged file aside before anything takes its place, so that no player's data is
// ever overwritten because it could not be read.
#include <string>

// Renames `path` (a file, a folder, a link: whatever stands there) to "<path>.bad", or to
// "<path>.bad.1", "<path>.bad.2" ... when earlier ones exist, never replacing one. Returns the
// new path, or an empty string with the cause in `error`.
std::string KeepFileAside(const std::string& path, std::string& error);
