#pragma once
// One game per user at a time: an advisory lock on a file in the per-user data folder, held
// while the game runs. The system drops the lock with the process, so a game that crashed never
// keeps the next one from starting.
#include <cstdint>
#include <string>
#include <string_view>

enum class TInstanceLock : uint8_t {
    Acquired,      // this game holds the lock
    HeldElsewhere, // another game holds it
    Unavailable    // no lock file could be made or locked: see Problem()
};

class TSingleInstanceLock {
public:
    TSingleInstanceLock() = default;
    ~TSingleInstanceLock() { Release(); }
    TSingleInstanceLock(const TSingleInstanceLock&) = delete;
    TSingleInstanceLock& operator=(const TSingleInstanceLock&) = delete;

    // Locks folder + name + ".lock" (the folder ends with '/'), creating the file when missing.
    TInstanceLock Acquire(const std::string& folder, std::string_view name);
    void Release();
    bool Held() const { return fd_ >= 0; }
    // Why the last Acquire gave Unavailable.
    const std::string& Problem() const { return problem_; }

private:
    int fd_ = -1;
    std::string problem_;
};
