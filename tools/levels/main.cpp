// tovan-level: compiles level sources into level files, writes level files back as sources,
// and checks sources. Every fault is one line on stderr and a non-zero exit status.
#include "LevelSource.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

namespace {

constexpr const char* Usage = "usage: tovan-level compile SOURCE OUT.zel\n"
                              "       tovan-level dump FILE.zel\n"
                              "       tovan-level check SOURCE...\n";

// Reads at most `limit` bytes of a file; says why when it cannot.
bool ReadFile(const std::string& file, size_t limit, std::string& data) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) {
        std::cerr << file << ": cannot read: " << std::strerror(errno) << '\n';
        return false;
    }
    data.clear();
    char chunk[65536];
    size_t got = 0;
    while (data.size() < limit &&
           (got = std::fread(chunk, 1, std::min(sizeof chunk, limit - data.size()), in)) > 0)
        data.append(chunk, got);
    const bool failed = std::ferror(in);
    const int error = errno;
    std::fclose(in);
    if (failed) std::cerr << file << ": cannot read: " << std::strerror(error) << '\n';
    return !failed;
}

// Reads and parses a source; says what went wrong when it cannot.
bool LoadSource(const std::string& file, TLevelSource& source) {
    // Sources are a few kilobytes; a huge file is no source.
    constexpr size_t LongestSource = 1 << 20;
    std::string text;
    if (!ReadFile(file, LongestSource + 1, text)) return false;
    if (text.size() > LongestSource) {
        std::cerr << file << ": too long for a level source\n";
        return false;
    }
    TSourceError error;
    if (ParseLevelSource(text, source, error)) return true;
    std::cerr << SourceMessage(file, error.Line, error.Message) << '\n';
    return false;
}

// True when the source is sound; every problem is printed.
bool Check(const std::string& file, const TLevelSource& source) {
    const auto problems = CheckLevelSource(file, source);
    for (const std::string& problem : problems) std::cerr << problem << '\n';
    return problems.empty();
}

int Compile(const std::string& sourceFile, const std::string& outFile) {
    TLevelSource source;
    if (!LoadSource(sourceFile, source) || !Check(sourceFile, source)) return 1;
    const std::string error = WriteLevelFile(outFile, source.Record);
    if (error.empty()) return 0;
    std::cerr << outFile << ": " << error << '\n';
    return 1;
}

int Dump(const std::string& file) {
    // One byte more than a record tells a long file from a whole one.
    std::string bytes;
    if (!ReadFile(file, LevelRecordSize + 1, bytes)) return 1;
    if (bytes.size() != LevelRecordSize) {
        std::cerr << file << ": a level file has " << LevelRecordSize << " bytes, this one has "
                  << (bytes.size() > LevelRecordSize ? "more" : std::to_string(bytes.size()))
                  << '\n';
        return 1;
    }
    const auto record =
        DecodeLevelRecord({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    std::string text, error;
    if (!PrintLevelSource(*record, text, error)) {
        std::cerr << file << ": " << error << '\n';
        return 1;
    }
    std::string name = file;
    std::replace(name.begin(), name.end(), '\n', ' ');
    std::cout << "# " << name << '\n' << text;
    return std::cout.flush() ? 0 : 1;
}

int CheckAll(int count, char** files) {
    int status = 0;
    for (int i = 0; i < count; ++i) {
        TLevelSource source;
        if (!LoadSource(files[i], source) || !Check(files[i], source)) status = 1;
    }
    return status;
}

int Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "compile" && argc == 4) return Compile(argv[2], argv[3]);
    if (command == "dump" && argc == 3) return Dump(argv[2]);
    if (command == "check" && argc > 2) return CheckAll(argc - 2, argv + 2);
    std::cerr << Usage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "tovan-level: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "tovan-level: unexpected failure\n";
    }
    return 1;
}
