// tovan-level: compiles level sources into level files, writes level files back as sources,
// and checks sources. Every fault is one line on stderr and a non-zero exit status.
#include "LevelSource.h"
#include "PriceSource.h"
#include "files/AtomicWrite.h"
#include "files/FileRead.h"
#include "progression/SlotPricesFile.h"

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
                              "       tovan-level check SOURCE...\n"
                              "       tovan-level prices PRICES OUT.dat LEVELSOURCE...\n"
                              "       tovan-level prices-report PRICES LEVELSOURCE...\n";

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

// The island of a level source, from its name "Level<island>-<level>.level"; 0 when the name
// says none.
int IslandOfSource(const std::string& file) {
    const std::string name = file.substr(file.find_last_of('/') + 1);
    constexpr std::string_view Prefix = "Level";
    if (name.rfind(Prefix, 0) != 0 || name.size() < Prefix.size() + 2) return 0;
    const int island = name[Prefix.size()] - '0';
    return name[Prefix.size() + 1] == '-' && island >= 1 && island <= BuyIslands ? island : 0;
}

bool LoadPrices(const std::string& file, TPriceSource& prices) {
    std::string text;
    if (!ReadFile(file, LongestSource, "too long for a prices source", text)) return false;
    std::vector<std::string> problems;
    if (ParsePriceSource(file, text, prices, problems)) return true;
    for (const std::string& problem : problems) std::cerr << problem << '\n';
    return false;
}

// The estimate from the level sources; false (with a line per island) when a checked island's
// works cost more than its levels pay.
bool Estimate(const std::string& pricesFile, const TPriceSource& prices, int count, char** files,
              bool report) {
    std::array<std::vector<TLevelRecord>, BuyIslands> levels;
    for (int i = 0; i < count; ++i) {
        const int island = IslandOfSource(files[i]);
        TLevelSource source;
        if (island == 0) {
            std::cerr << files[i] << ": the name says no island (Level<island>-<level>.level)\n";
            return false;
        }
        if (!LoadSource(files[i], source)) return false;
        levels[island - 1].push_back(source.Record);
    }
    const auto estimates = EstimateIslands(prices, levels);
    bool sound = true;
    for (int island = 1; island <= BuyIslands; ++island) {
        const TIslandEstimate& estimate = estimates[island - 1];
        std::string line = "island " + std::to_string(island) + ": ";
        if (!estimate.Checked) {
            line += "not checked (no level sources of it or of an island before it)";
        } else {
            line += std::to_string(estimate.Sources) + " of " +
                    std::to_string(prices.PlannedLevels[island - 1]) + " levels;";
            for (size_t kind = 0; kind < ElementKinds; ++kind)
                line += " " + std::to_string(static_cast<int>(estimate.Prices[kind])) + "/" +
                        std::to_string(static_cast<int>(estimate.Covered[kind]));
            line += estimate.Affordable ? " (price/paid: affordable)" : " (price/paid: TOO DEAR)";
        }
        if (report) std::cout << line << '\n';
        if (estimate.Checked && !estimate.Affordable) {
            std::cerr << pricesFile << ": " << line << '\n';
            sound = false;
        }
    }
    return sound;
}

int CompilePrices(const std::string& pricesFile, const std::string& outFile, int count,
                  char** levelFiles) {
    TPriceSource prices;
    if (!LoadPrices(pricesFile, prices) || !Estimate(pricesFile, prices, count, levelFiles, false))
        return 1;
    const std::string error = WriteFileAtomic(outFile, EncodeSlotPrices(prices.Prices), pricesFile);
    if (error.empty()) return 0;
    std::cerr << outFile << ": " << error << '\n';
    return 1;
}

int ReportPrices(const std::string& pricesFile, int count, char** levelFiles) {
    TPriceSource prices;
    if (!LoadPrices(pricesFile, prices)) return 1;
    return Estimate(pricesFile, prices, count, levelFiles, true) ? 0 : 1;
}

int Run(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "compile" && argc == 4) return Compile(argv[2], argv[3]);
    if (command == "dump" && argc == 3) return Dump(argv[2]);
    if (command == "check" && argc > 2) return CheckAll(argc - 2, argv + 2);
    if (command == "prices" && argc >= 4)
        return CompilePrices(argv[2], argv[3], argc - 4, argv + 4);
    if (command == "prices-report" && argc >= 3) return ReportPrices(argv[2], argc - 3, argv + 3);
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
