#pragma once
// The readable level source: named values and 16 x 12 character grids (content/levels/README.md
// describes it). Parsing keeps the line of everything it read, so problems point at the source.
#include "board/LevelFile.h"

#include <string>
#include <vector>

struct TLevelSource {
    TLevelRecord Record;
    // Line of each value, of the element list, of each grid's heading and of each grid row;
    // 0 where the source left something out.
    int FieldLines[LevelFieldCount]{};
    int ElementsLine = 0;
    int GridLines[LevelGridCount]{};
    int RowLines[LevelGridCount][BoardRows]{};

    // The source line a problem of the record points at (0 when it has none).
    int LineOf(const TLevelSpot& spot) const;
};

// A fault that stops reading: where, and what.
struct TSourceError {
    int Line = 0; // 0: the source as a whole
    std::string Message;
};

// Reads a level source. Returns false with the first fault in `error`.
bool ParseLevelSource(const std::string& text, TLevelSource& source, TSourceError& error);

// Writes a record as a level source. Returns false with `error` naming the first cell whose
// value a source cannot hold.
bool PrintLevelSource(const TLevelRecord& record, std::string& text, std::string& error);

// "<file>:<line>: <text>" (or "<file>: <text>" without a line).
std::string SourceMessage(const std::string& file, int line, const std::string& text);

// The problems of a parsed source, one message line each; empty when the level is sound.
std::vector<std::string> CheckLevelSource(const std::string& file, const TLevelSource& source);
