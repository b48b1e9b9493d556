#pragma once
// What the tests of the data folder's files share: a folder, its files' bytes, the lines an
// owner logs, and every kind of damage a file can come to.
#include "TempFolder.h"
#include "saves/RecordFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace saves_test {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string AsString(const TRecordBytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// Little-endian bytes of a value, written by the tests themselves.
inline void PutLittleEndian(std::string& bytes, size_t offset, size_t size, uint32_t value) {
    for (size_t i = 0; i < size; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

inline bool IsRoot() {
    return geteuid() == 0;
}

// The lines an owner logs.
struct TLogLines {
    std::vector<std::string> Lines;
    TSaveLog Sink() {
        return [this](const std::string& line) { Lines.push_back(line); };
    }
};

// A kind of damage: the bytes it leaves at a path (none: a folder), given the size of the
// file that should be there.
struct TDamage {
    std::string Name;
    std::function<std::optional<std::string>(size_t fullSize)> Bytes;
    bool Unreadable = false;

    void Make(const std::string& path, size_t fullSize) const {
        const std::optional<std::string> bytes = Bytes(fullSize);
        if (!bytes) {
            std::filesystem::create_directory(path);
            return;
        }
        std::ofstream(path, std::ios::binary) << *bytes;
        if (Unreadable) std::filesystem::permissions(path, std::filesystem::perms::none);
    }
};

inline std::string RandomBytes(size_t count) {
    std::string bytes;
    for (uint32_t i = 0, x = 12345; i < count; ++i) {
        x = x * 1103515245 + 12345;
        bytes += static_cast<char>(x >> 16);
    }
    return bytes;
}

// Empty (unless an empty file is a sound one), short, long, random bytes of no record's size,
// a folder, and, when the tests do not run as root (who may read anything), a file nobody may
// read.
inline std::vector<TDamage> Damages(bool emptyIsDamage = true) {
    constexpr size_t RandomSize = 77;
    std::vector<TDamage> damages = {
        {"short", [](size_t size) { return std::string(size - 1, 'S'); }},
        {"long", [](size_t size) { return std::string(size + 1, 'L'); }},
        {"random", [](size_t) { return RandomBytes(RandomSize); }},
        {"folder", [](size_t) { return std::optional<std::string>(); }},
    };
    if (emptyIsDamage) damages.push_back({"empty", [](size_t) { return std::string(); }});
    if (!IsRoot())
        damages.push_back({"unreadable", [](size_t size) { return std::string(size, 'U'); }, true});
    return damages;
}

// The damaged thing now stands at "<path>.bad" exactly as it was, and one line says so.
inline void ExpectKeptAside(const std::string& path, const TDamage& damage, size_t fullSize,
                            const TLogLines& log) {
    const std::string aside = path + ".bad";
    const std::optional<std::string> bytes = damage.Bytes(fullSize);
    if (bytes) {
        std::filesystem::permissions(aside, std::filesystem::perms::owner_read);
        EXPECT_EQ(ReadBytes(aside), *bytes) << damage.Name;
    } else {
        EXPECT_TRUE(std::filesystem::is_directory(aside)) << damage.Name;
    }
    ASSERT_EQ(log.Lines.size(), 1U) << damage.Name;
    EXPECT_NE(log.Lines[0].find("kept aside as " + aside), std::string::npos) << log.Lines[0];
}

// A file size limit that makes every write stop part way, as a full disk would, while alive.
class TFailingWrites {
public:
    explicit TFailingWrites(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~TFailingWrites() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    TFailingWrites(const TFailingWrites&) = delete;
    TFailingWrites& operator=(const TFailingWrites&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace saves_test
