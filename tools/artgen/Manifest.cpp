#include "Manifest.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

bool ReadPair(const std::string& text, int& first, int& second) {
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    try {
        size_t used = 0;
        first = std::stoi(text.substr(0, x), &used);
        if (used != x) return false;
        second = std::stoi(text.substr(x + 1), &used);
        return used == text.size() - x - 1 && first > 0 && second > 0;
    } catch (const std::exception&) {
        return false;
    }
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TManifestEntry ParseEntry(const std::string& line, int lineNumber) {
    std::istringstream in(line);
    TManifestEntry entry;
    std::string tiles, tileSize;
    in >> entry.File >> tiles >> tileSize;
    std::getline(in >> std::ws, entry.Shows);
    entry.Line = lineNumber;
    const auto fail = [&](const std::string& why) {
        return std::runtime_error("manifest line " + std::to_string(lineNumber) + ": " + why);
    };
    if (!ReadPair(tiles, entry.Columns, entry.Rows)) throw fail("bad tile count '" + tiles + "'");
    if (!ReadPair(tileSize, entry.TileWidth, entry.TileHeight))
        throw fail("bad tile size '" + tileSize + "'");
    if (!EndsWith(entry.File, ".png") && !EndsWith(entry.File, ".jpg"))
        throw fail("picture files are .png or .jpg");
    if (entry.File.rfind("Images/", 0) != 0) throw fail("pictures live under Images/");
    if (entry.Shows.empty()) throw fail("say what the picture shows");
    const auto slash = entry.File.rfind('/');
    entry.Folder = entry.File.substr(0, slash);
    entry.Name = entry.File.substr(slash + 1, entry.File.size() - slash - 5);
    return entry;
}

} // namespace

bool TManifestEntry::IsJpeg() const {
    return EndsWith(File, ".jpg");
}

std::vector<TManifestEntry> ReadManifest(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<TManifestEntry> entries;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        entries.push_back(ParseEntry(line, number));
    }
    return entries;
}
