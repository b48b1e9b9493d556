#pragma once
// The named streams of a sound player: each file opened once into the next free slot (a busy
// sound several times in a row, so its copies can overlap), found by name, played from its
// start, all sharing the player's volume, and freed with the player.
#include "files/FileRead.h"
#include "platform/AudioDevice.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TSoundFolderLoad;

class TSoundStreamTable {
public:
    TSoundStreamTable(TAudioDevice& device, int capacity);
    ~TSoundStreamTable();
    TSoundStreamTable(const TSoundStreamTable&) = delete;
    TSoundStreamTable& operator=(const TSoundStreamTable&) = delete;

    // Opens the file up to `copies` times into the next slots; a copy that fails takes no slot.
    // Returns how many copies opened; a file that CheckSoundFile refuses opens none, with the
    // cause in `error` when one is given.
    int Load(const std::string& fileName, int copies, TFileError* error = nullptr);
    // Every ".ogg" file of the folder (ending in a separator), in name order so that every
    // machine loads alike, each copiesOf(its stream name) times (once without it). Files that
    // could not be opened or found no free slot are named in one line on stderr.
    void LoadFolder(const std::string& folder, int (*copiesOf)(std::string_view name) = nullptr);
    // The same a few files at a time: BeginFolder lists the files, each LoadNextFiles opens up
    // to `count` more; true once the folder is done.
    void BeginFolder(const std::string& folder, int (*copiesOf)(std::string_view name) = nullptr);
    bool LoadNextFiles(int count);
    bool Full() const { return Count() >= capacity; }
    int Count() const { return static_cast<int>(streams.size()); }
    int Capacity() const { return capacity; }

    // First slot with exactly this name, or -1.
    int IndexOf(std::string_view name) const;
    // Of the copies starting at slot index, the first that is quiet; the first copy again when
    // all of them play. -1 stays -1.
    int FirstQuietCopy(int index) const;
    // Plays slot index from its start; nothing for -1.
    void PlayIndex(int index);

    int Volume() const { return volume; }
    // Clamped to 0..100 and applied to every stream at once.
    void SetVolume(int newVolume);
    void StopAll();
    // Stops and frees every stream: the table is empty again.
    void Clear();

private:
    TAudioDevice& device;
    int capacity;
    int volume = 70;
    std::vector<TAudioStream> streams;
    std::vector<std::string> names;
    // Copies opened for the sound whose first copy is this slot (1 for ordinary sounds).
    std::vector<int> copyCounts;
    // The folder being loaded a few files at a time.
    std::unique_ptr<TSoundFolderLoad> pending_;
    std::string pendingFolder_;
    int (*pendingCopiesOf_)(std::string_view name) = nullptr;
    size_t pendingNext_ = 0;
};

// A sound, voice or music file of ours is a few megabytes at most.
inline constexpr size_t MaxSoundFileBytes = 16 << 20;
// Whether the file is a regular file of at most MaxSoundFileBytes; the audio device opens
// files by name, so the players ask this first.
TFileError CheckSoundFile(const std::string& path);

// Stream name of a sound file: without folder and its four-character extension, cut to 40.
std::string StreamName(const std::string& fileName);
