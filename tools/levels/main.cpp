// tovan-level: compiles level sources into level files, writes level files back as sources,
// and checks sources. Every fault is one line on stderr and a non-zero exit status.
#include "LevelSource.h"
#include "files/FileRead.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <vector>

namespace {

constexpr const char* Usage = "usage: tovan-level compile SOURCE OUT.zel\n"
                              "       tovan-level dump FILE.zel\n"
                              "       tovan-level check SOURCE...\n";

// Level sources are a few kilobytes; a huge file is no source.
constexpr size_t LongestSource = 1 << 20;

// Reads a whole file of at most maxBytes; says why when it cannot.
bool ReadFile(const std::string& file, size_t maxBytes, const std::string& tooLong,
              std::string& data) {
    const TFileContents contents = ReadWholeFile(file, maxBytes);
    if (contents.Error.Failure == TFileFailure::TooLarge) {
        std::cerr << file << ": " << tooLong << '\n';
        return false;
    }
    if (!contents.Ok()) {
        std::cerr << file << ": cannot read: " << contents.Error.Cause << '\n';
        return false;
    }
    data.assign(contents.Bytes.begin(), contents.Bytes.end());
    return true;
}

// Reads and parses a source; says what went wrong when it cannot.
bool LoadSource(const std::string& file, TLevelSource& source) {
    std::string text;
    if (!ReadFile(file, LongestSource, "too long for a level source", text)) return false;
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
    const std::string error = WriteLevelFile(outFile, source.Record, sourceFile);
    if (error.empty()) return 0;
    std::cerr << outFile << ": " << error << '\n';
    return 1;
}

// What compile would refuse in a printed source: values a level file can hold but a level
// cannot use (objective 7, time 0, element codes outside the table).
std::vector<std::string> Refusals(const std::string& text) {
    TLevelSource source;
    TSourceError error;
    if (!ParseLevelSource(text, source, error))
        return {"the dump does not read back: " + error.Message};
    std::vector<std::string> refusals;
    for (const TLevelProblem& problem : ValidateLevelRecord(source.Record))
        refusals.push_back(problem.Text);
    return refusals;
}

// Standard output may be a full disk or a closed pipe: a dump that did not arrive is a fault.
bool WriteOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    std::cerr << "tovan-level: cannot write the dump: " << std::strerror(errno) << '\n';
    return false;
}

int Dump(const std::string& file) {
    const std::string sizeRule =
        "a level file has " + std::to_string(LevelRecordSize) + " bytes, this one has ";
    std::string bytes;
    if (!ReadFile(file, LevelRecordSize, sizeRule + "more", bytes)) return 1;
    if (bytes.size() != LevelRecordSize) {
        std::cerr << file << ": " << sizeRule << bytes.size() << '\n';
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
    const std::vector<std::string> refusals = Refusals(text);
    std::string comments = "# " + name + '\n';
    for (const std::string& refusal : refusals) comments += "# compile refuses: " + refusal + '\n';
    if (!WriteOut(comments + text)) return 1;
    if (refusals.empty()) return 0;
    std::cerr << file << ": compile refuses " << refusals.size()
              << (refusals.size() == 1 ? " value" : " values") << " of this level (see the dump)\n";
    return 1;
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
