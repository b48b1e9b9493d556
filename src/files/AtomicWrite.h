#pragma once
// Writing a whole file or nothing, for every file the game and its tools write.
#include <cstdint>
#include <span>
#include <string>

// Writes the bytes to a temporary file of a unique name created exclusively beside the target,
// syncs it and renames it over the target, then syncs the folder. Refuses to write over
// anything but a regular file (a device, a folder, a symbolic link, which is never followed) and
// over the file at `inputPath` (the same file by device and inode, when a path is given).
// Returns an empty string, or the cause of the failure in one line; a failed write removes its
// temporary file and leaves the old file exactly as it was.
[[nodiscard]] std::string WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes,
                                          const std::string& inputPath = {});
[[nodiscard]] std::string WriteFileAtomic(const std::string& path, const std::string& bytes,
                                          const std::string& inputPath = {});
// Removes the temporary files that writes cut short (a killed game, a power cut) left in the
// folder, and returns how many went. Only for a folder no other writer uses at the same time.
int RemoveLeftoverTemporaries(const std::string& folder);
