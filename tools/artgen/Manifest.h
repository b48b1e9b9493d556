#pragma once
// The picture manifest: one line per picture the game draws, read by the builder (what to draw)
// and by the tests (what the game folder must hold).
//
//   <file under the game folder>  <columns>x<rows>  <tile width>x<tile height>  <what it shows>
#include <string>
#include <vector>

struct TManifestEntry {
    std::string File;   // "Images/Menu/PlayButton.png"
    std::string Name;   // "PlayButton": the file name without folder and extension
    std::string Folder; // "Images/Menu"
    int Columns = 1;
    int Rows = 1;
    int TileWidth = 0;
    int TileHeight = 0;
    std::string Shows;
    int Line = 0; // line in the manifest, for messages

    int Width() const { return Columns * TileWidth; }
    int Height() const { return Rows * TileHeight; }
    bool IsJpeg() const;
};

// Reads the manifest; throws std::runtime_error naming the line of a malformed entry.
std::vector<TManifestEntry> ReadManifest(const std::string& path);
