#include "saves/PlayerSaveFiles.h"

#include "saves/PlayerNames.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

std::string TPlayerSaveFiles::FileOf(const std::string& name) const {
    return PlayerFilePath(Folder, name, PlayerSaveSuffix);
}

std::string TPlayerSaveFiles::CheckedFile(const std::string& name, const char* action) const {
    const std::string path = FileOf(name);
    if (path.empty())
        Say(OnLog,
            std::string("player save not ") + action + ": \"" + name + "\" is not a player's name");
    return path;
}

bool TPlayerSaveFiles::Exists(const std::string& name) const {
    const std::string path = FileOf(name);
    struct stat status {};
    return !path.empty() && lstat(path.c_str(), &status) == 0;
}

TPlayerSaveRecord TPlayerSaveFiles::Load(const std::string& name) const {
    const std::string path = FileOf(name);
    if (path.empty()) return Defaults;
    const TReadRecord read = ReadRecordFile(path, {PlayerSaveRecordSize}, OnLog);
    return read.State == TRecordState::Read ? DecodePlayerSave(read.Bytes) : Defaults;
}

bool TPlayerSaveFiles::Save(const std::string& name, const TPlayerSaveRecord& record) const {
    const std::string path = CheckedFile(name, "saved");
    return !path.empty() && WriteRecordFile(path, EncodePlayerSave(record), OnLog);
}

bool TPlayerSaveFiles::Delete(const std::string& name) const {
    const std::string path = CheckedFile(name, "deleted");
    if (path.empty()) return false;
    if (unlink(path.c_str()) == 0 || errno == ENOENT) return true;
    Say(OnLog, path + ": not deleted: " + std::strerror(errno));
    return false;
}

TPlayerSaveRecord TPlayerSaveFiles::Reset(const std::string& name, uint8_t relaxedMode) const {
    TPlayerSaveRecord record = Defaults;
    record.RelaxedMode = relaxedMode;
    Save(name, record);
    return record;
}
