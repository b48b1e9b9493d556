#include "LevelSource.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <sstream>

namespace {

// Cells of the kind grid, by TTileObjectKind ordinal; every other grid holds small numbers.
constexpr char KindCells[] = {'L', 'F', '-', 'X', '.'};
constexpr const char* ObjectiveNames[] = {"normal", "boss"};
constexpr const char* BonusKindNames[] = {"fruit", "flower", "potion", "goldtile", "spider"};

int CellValue(TLevelGrid grid, char cell) {
    if (grid == lgObjectKind) {
        const auto* found = std::find(std::begin(KindCells), std::end(KindCells), cell);
        return found == std::end(KindCells) ? -1 : static_cast<int>(found - KindCells);
    }
    if (cell == '.') return 0;
    return cell >= '1' && cell <= '9' ? cell - '0' : -1;
}

// The character of a value, or 0 when a source cannot write it.
char CellChar(TLevelGrid grid, uint8_t value) {
    if (grid == lgObjectKind) return value < std::size(KindCells) ? KindCells[value] : 0;
    if (value == 0) return '.';
    return value <= 9 ? static_cast<char>('0' + value) : 0;
}

const char* CellAlphabet(TLevelGrid grid) {
    return grid == lgObjectKind ? "L F - X ." : ". 1-9";
}

// Names a value may be written with instead of its number.
std::span<const char* const> ValueNames(TLevelField field) {
    if (field == lfObjective) return ObjectiveNames;
    if (field == lfBonusElementKind) return BonusKindNames;
    return {};
}

// A piece of the source fit for a one-line message: short, and printable.
std::string Quoted(const std::string& text) {
    constexpr size_t Longest = 40;
    std::string shown = text.size() > Longest ? text.substr(0, Longest) + "..." : text;
    for (char& c : shown)
        if (c < ' ' || c > '~') c = '?';
    return "'" + shown + "'";
}

// The same white space that separates tokens.
constexpr const char* Blanks = " \t\n\v\f\r";

std::string StripComment(const std::string& line) {
    const std::string content = line.substr(0, line.find('#'));
    const size_t first = content.find_first_not_of(Blanks);
    if (first == std::string::npos) return {};
    return content.substr(first, content.find_last_not_of(Blanks) - first + 1);
}

std::vector<std::string> Tokens(const std::string& content) {
    std::vector<std::string> tokens;
    std::istringstream stream(content);
    for (std::string token; stream >> token;) tokens.push_back(token);
    return tokens;
}

bool ParseNumber(const std::string& token, long long lowest, long long highest, int32_t& value) {
    long long number = 0;
    const char* end = token.data() + token.size();
    const auto [rest, error] = std::from_chars(token.data(), end, number);
    if (error != std::errc() || rest != end || number < lowest || number > highest) return false;
    value = static_cast<int32_t>(number);
    return true;
}

bool LooksLikeGridRow(const std::string& token) {
    return std::all_of(token.begin(), token.end(), [](char c) {
        return CellValue(lgObjectKind, c) >= 0 || CellValue(lgWeb, c) >= 0;
    });
}

class TParser {
public:
    TParser(const std::string& text, TLevelSource& source, TSourceError& error)
        : Source(source), Error(error) {
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);) Lines.push_back(line);
    }

    bool Run() {
        for (int f = 0; f < LevelFieldCount; ++f)
            Source.Record.Fields[f] = LevelFieldInfo(static_cast<TLevelField>(f)).SourceValue;
        for (;;) {
            std::string content;
            const int line = NextContentLine(content);
            if (line == 0) break;
            if (!ParseStatement(line, Tokens(content))) return false;
        }
        return CheckComplete();
    }

private:
    TLevelSource& Source;
    TSourceError& Error;
    std::vector<std::string> Lines;
    size_t Next = 0;

    bool Fail(int line, std::string message) {
        Error = {line, std::move(message)};
        return false;
    }

    // The number of the next line with something besides comments (0 at the end).
    int NextContentLine(std::string& content) {
        while (Next < Lines.size()) {
            content = StripComment(Lines[Next++]);
            if (!content.empty()) return static_cast<int>(Next);
        }
        return 0;
    }

    bool ParseStatement(int line, const std::vector<std::string>& tokens) {
        const std::string& name = tokens[0];
        if (name == "grid") return ParseGrid(line, tokens);
        if (name == "elements") return ParseElements(line, tokens);
        for (int f = 0; f < LevelFieldCount; ++f)
            if (name == LevelFieldInfo(static_cast<TLevelField>(f)).Name)
                return ParseField(line, static_cast<TLevelField>(f), tokens);
        if (LooksLikeGridRow(name))
            return Fail(line, "grid row outside a grid (a grid has exactly 12 rows)");
        return Fail(line, "unknown field " + Quoted(name));
    }

    bool ParseField(int line, TLevelField field, const std::vector<std::string>& tokens) {
        const TLevelFieldInfo& info = LevelFieldInfo(field);
        const std::string name = info.Name;
        if (Source.FieldLines[field] != 0)
            return Fail(line, name + " given twice (first on line " +
                                  std::to_string(Source.FieldLines[field]) + ")");
        if (tokens.size() != 2) return Fail(line, name + " takes exactly one value");
        Source.FieldLines[field] = line;
        const auto names = ValueNames(field);
        for (size_t i = 0; i < names.size(); ++i)
            if (tokens[1] == names[i]) {
                Source.Record[field] = static_cast<int32_t>(i);
                return true;
            }
        const long long lowest = info.Size == 1 ? 0 : INT32_MIN;
        const long long highest = info.Size == 1 ? 255 : INT32_MAX;
        if (ParseNumber(tokens[1], lowest, highest, Source.Record[field])) return true;
        std::string expected;
        for (size_t i = 0; i < names.size(); ++i)
            expected += names[i] + std::string(i + 1 < names.size() ? ", " : " or ");
        expected += "a whole number in " + std::to_string(lowest) + ".." + std::to_string(highest);
        return Fail(line, name + " needs " + expected + ", not " + Quoted(tokens[1]));
    }

    bool ParseElements(int line, const std::vector<std::string>& tokens) {
        if (Source.ElementsLine != 0)
            return Fail(line, "elements given twice (first on line " +
                                  std::to_string(Source.ElementsLine) + ")");
        Source.ElementsLine = line;
        for (size_t i = 1; i < tokens.size(); ++i) {
            int32_t code = 0;
            if (!ParseNumber(tokens[i], 0, 255, code))
                return Fail(line, "elements needs element codes 0..255, not " + Quoted(tokens[i]));
            Source.Record.ElementSet.Include(code);
        }
        return true;
    }

    bool ParseGrid(int line, const std::vector<std::string>& tokens) {
        if (tokens.size() != 2) return Fail(line, "grid needs exactly one name");
        const auto grid = GridNamed(tokens[1]);
        if (!grid) return Fail(line, "unknown grid " + Quoted(tokens[1]));
        const std::string name = LevelGridName(*grid);
        if (Source.GridLines[*grid] != 0)
            return Fail(line, "grid " + name + " given twice (first on line " +
                                  std::to_string(Source.GridLines[*grid]) + ")");
        Source.GridLines[*grid] = line;
        for (int y = 1; y <= BoardRows; ++y) {
            std::string row;
            const int rowLine = NextContentLine(row);
            if (rowLine == 0)
                return Fail(line, "grid " + name + " has " + std::to_string(y - 1) +
                                      " rows, it needs 12");
            if (!ParseRow(*grid, y, rowLine, row)) return false;
        }
        return true;
    }

    bool ParseRow(TLevelGrid grid, int y, int line, const std::string& row) {
        const std::string name = LevelGridName(grid);
        if (row.size() != BoardColumns)
            return Fail(line, "grid " + name + " row " + std::to_string(y) +
                                  " must be 16 cells, not " + Quoted(row));
        Source.RowLines[grid][y - 1] = line;
        for (int x = 1; x <= BoardColumns; ++x) {
            const int value = CellValue(grid, row[x - 1]);
            if (value < 0)
                return Fail(line, "grid " + name + " row " + std::to_string(y) + ": " +
                                      Quoted(std::string(1, row[x - 1])) +
                                      " is no cell of this grid (use " + CellAlphabet(grid) + ")");
            Source.Record.Cell(grid, x, y) = static_cast<uint8_t>(value);
        }
        return true;
    }

    static std::optional<TLevelGrid> GridNamed(const std::string& name) {
        for (int g = 0; g < LevelGridCount; ++g)
            if (name == LevelGridName(static_cast<TLevelGrid>(g)))
                return static_cast<TLevelGrid>(g);
        return std::nullopt;
    }

    bool CheckComplete() {
        for (int f = 0; f < LevelFieldCount; ++f) {
            const TLevelFieldInfo& info = LevelFieldInfo(static_cast<TLevelField>(f));
            if (info.Required && Source.FieldLines[f] == 0)
                return Fail(0, std::string("missing ") + info.Name);
        }
        if (Source.ElementsLine == 0) return Fail(0, "missing elements");
        if (Source.GridLines[lgObjectKind] == 0) return Fail(0, "missing grid kind");
        return true;
    }
};

std::string ValueText(TLevelField field, int32_t value) {
    const auto names = ValueNames(field);
    if (value >= 0 && static_cast<size_t>(value) < names.size()) return names[value];
    return std::to_string(value);
}

bool GridIsEmpty(const TLevelRecord& record, TLevelGrid grid) {
    for (int x = 1; x <= BoardColumns; ++x)
        for (int y = 1; y <= BoardRows; ++y)
            if (record.Cell(grid, x, y) != 0) return false;
    return true;
}

} // namespace

int TLevelSource::LineOf(const TLevelSpot& spot) const {
    switch (spot.Kind) {
    case TLevelSpot::skField:
        return FieldLines[spot.Field];
    case TLevelSpot::skElementSet:
        return ElementsLine;
    case TLevelSpot::skCell:
        if (IsBoardCell(spot.Cell) && RowLines[spot.Grid][spot.Cell.Y - 1] != 0)
            return RowLines[spot.Grid][spot.Cell.Y - 1];
        return GridLines[spot.Grid];
    case TLevelSpot::skBoard:
        break;
    }
    return GridLines[lgObjectKind];
}

bool ParseLevelSource(const std::string& text, TLevelSource& source, TSourceError& error) {
    source = {};
    return TParser(text, source, error).Run();
}

bool PrintLevelSource(const TLevelRecord& record, std::string& text, std::string& error) {
    std::ostringstream out;
    const auto printField = [&](TLevelField field) {
        out << LevelFieldInfo(field).Name << ' ' << ValueText(field, record[field]) << '\n';
    };
    printField(lfObjective);
    printField(lfTime);
    out << "elements";
    for (int code = 0; code <= 255; ++code)
        if (record.ElementSet.Has(code)) out << ' ' << code;
    out << '\n';
    for (int f = lfTargetBananas; f < LevelFieldCount; ++f)
        if (f != lfTime) printField(static_cast<TLevelField>(f));

    for (int g = 0; g < LevelGridCount; ++g) {
        const auto grid = static_cast<TLevelGrid>(g);
        // Only the kind grid must be there; a grid of zeros reads back the same when left out.
        if (grid != lgObjectKind && GridIsEmpty(record, grid)) continue;
        out << "\ngrid " << LevelGridName(grid) << '\n';
        for (int y = 1; y <= BoardRows; ++y) {
            for (int x = 1; x <= BoardColumns; ++x) {
                const uint8_t value = record.Cell(grid, x, y);
                const char cell = CellChar(grid, value);
                if (cell == 0) {
                    error = std::string(LevelGridName(grid)) + " at (" + std::to_string(x) + "," +
                            std::to_string(y) + ") holds " + std::to_string(value) +
                            ", which a level source cannot write";
                    return false;
                }
                out << cell;
            }
            out << '\n';
        }
    }
    text = out.str();
    return true;
}

std::string SourceMessage(const std::string& file, int line, const std::string& text) {
    return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + text;
}

std::vector<std::string> CheckLevelSource(const std::string& file, const TLevelSource& source) {
    TLevelRecord record = source.Record;
    std::vector<std::pair<int, std::string>> found;
    for (const TLevelProblem& problem : ValidateLevelRecord(record))
        found.emplace_back(source.LineOf(problem.Spot), problem.Text);
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> messages;
    for (const auto& [line, text] : found) messages.push_back(SourceMessage(file, line, text));
    return messages;
}
