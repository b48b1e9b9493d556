#include "engine/SoundStreamTable.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

namespace {

constexpr size_t MaxNameLength = 40;
constexpr size_t ExtensionLength = 4;

bool IsOggFile(const std::filesystem::directory_entry& entry) {
    if (!entry.is_regular_file()) return false;
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".ogg";
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const auto& name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

} // namespace

// Opening the ".ogg" files of a folder, with one line on stderr for files that could not be
// opened or found no free slot.
class TSoundFolderLoad {
public:
    explicit TSoundFolderLoad(std::string folder);
    ~TSoundFolderLoad();
    const std::vector<std::string>& Files() const { return files; }
    void Failed(const std::string& file) { failed.push_back(file); }
    void NoRoom(const std::string& file) { noRoom.push_back(file); }

private:
    std::string folder;
    std::vector<std::string> files;
    std::vector<std::string> failed;
    std::vector<std::string> noRoom;
};

TSoundFolderLoad::TSoundFolderLoad(std::string folder) : folder(std::move(folder)) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(this->folder, error))
        if (IsOggFile(entry)) files.push_back(entry.path().filename().string());
    if (error)
        std::fprintf(stderr, "No sounds from %s: %s.\n", this->folder.c_str(),
                     error.message().c_str());
    std::sort(files.begin(), files.end());
}

TSoundFolderLoad::~TSoundFolderLoad() {
    if (!failed.empty())
        std::fprintf(stderr, "Sounds of %s that could not be opened: %s.\n", folder.c_str(),
                     JoinNames(failed).c_str());
    if (!noRoom.empty())
        std::fprintf(stderr, "Sounds of %s left out, the player is full: %s.\n", folder.c_str(),
                     JoinNames(noRoom).c_str());
}

TSoundStreamTable::TSoundStreamTable(TAudioDevice& device, int capacity)
    : device(device), capacity(capacity) {}

TSoundStreamTable::~TSoundStreamTable() {
    pending_.reset();
    for (TAudioStream stream : streams) device.Free(stream);
}

int TSoundStreamTable::Load(const std::string& fileName, int copies, TFileError* error) {
    const TFileError check = CheckSoundFile(fileName);
    if (error != nullptr) *error = check;
    if (check.Failed()) return 0;
    const int first = Count();
    int opened = 0;
    for (int copy = 0; copy < copies && !Full(); ++copy) {
        const TAudioStream stream = device.OpenStream(fileName, TAudioStreamKind::Sample);
        if (stream == NoAudioStream) continue;
        device.SetVolume(stream, volume);
        streams.push_back(stream);
        names.push_back(StreamName(fileName));
        copyCounts.push_back(1);
        ++opened;
    }
    if (opened > 0) copyCounts[first] = opened;
    return opened;
}

void TSoundStreamTable::LoadFolder(const std::string& folder,
                                   int (*copiesOf)(std::string_view name)) {
    BeginFolder(folder, copiesOf);
    while (!LoadNextFiles(static_cast<int>(pending_->Files().size()))) {
    }
}

void TSoundStreamTable::BeginFolder(const std::string& folder,
                                    int (*copiesOf)(std::string_view name)) {
    pending_ = std::make_unique<TSoundFolderLoad>(folder);
    pendingFolder_ = folder;
    pendingCopiesOf_ = copiesOf;
    pendingNext_ = 0;
}

bool TSoundStreamTable::LoadNextFiles(int count) {
    if (pending_ == nullptr) return true;
    const std::vector<std::string>& files = pending_->Files();
    for (; count > 0 && pendingNext_ < files.size(); --count) {
        const std::string& file = files[pendingNext_++];
        if (Full())
            pending_->NoRoom(file);
        else if (TFileError error;
                 Load(pendingFolder_ + file,
                      pendingCopiesOf_ != nullptr ? pendingCopiesOf_(StreamName(file)) : 1,
                      &error) == 0)
            pending_->Failed(error.Failed() ? file + " (" + error.Cause + ")" : file);
    }
    if (pendingNext_ < files.size()) return false;
    pending_.reset(); // says what could not be opened
    return true;
}

int TSoundStreamTable::IndexOf(std::string_view name) const {
    for (int index = 0; index < Count(); ++index)
        if (names[index] == name) return index;
    return -1;
}

int TSoundStreamTable::FirstQuietCopy(int index) const {
    if (index < 0 || index >= Count()) return -1;
    for (int copy = index; copy < index + copyCounts[index]; ++copy)
        if (!device.IsPlaying(streams[copy])) return copy;
    return index;
}

void TSoundStreamTable::PlayIndex(int index) {
    if (index >= 0 && index < Count()) device.Play(streams[index]);
}

void TSoundStreamTable::SetVolume(int newVolume) {
    volume = ClampVolume(newVolume);
    for (TAudioStream stream : streams) device.SetVolume(stream, volume);
}

void TSoundStreamTable::StopAll() {
    for (TAudioStream stream : streams) device.Stop(stream);
}

void TSoundStreamTable::Clear() {
    pending_.reset();
    for (TAudioStream stream : streams) device.Free(stream);
    streams.clear();
    names.clear();
    copyCounts.clear();
}

TFileError CheckSoundFile(const std::string& path) {
    return CheckReadableFile(path, MaxSoundFileBytes);
}

std::string StreamName(const std::string& fileName) {
    std::string name = std::filesystem::path(fileName).filename().string();
    name.resize(name.size() > ExtensionLength ? name.size() - ExtensionLength : 0);
    if (name.size() > MaxNameLength) name.resize(MaxNameLength);
    return name;
}
