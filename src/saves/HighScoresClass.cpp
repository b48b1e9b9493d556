#include "saves/HighScoresClass.h"

#include <algorithm>
#include <optional>

namespace {

constexpr size_t ScoresOffset = HighScoreRanks * (1 + HighScoreNameLength);
constexpr size_t ScoreSize = 4;
static_assert(ScoresOffset + HighScoreRanks * ScoreSize == HighScoresRecordSize);

constexpr unsigned char LowerLatin1First = 0xE0, LowerLatin1Last = 0xFE, DivisionSign = 0xF7;
constexpr unsigned char CaseDistance = 'a' - 'A';
constexpr char Shortened[] = "..";

constexpr auto Fields = [](const auto& io, auto& record) {
    for (size_t rank = 0; rank < HighScoreRanks; ++rank) {
        io.Field(rank * (1 + HighScoreNameLength), HighScoreNameLength, record.Names[rank]);
        io.Field(ScoresOffset + rank * ScoreSize, record.Scores[rank]);
    }
};

// Upper case in Latin-1: a to z, and à to þ but the division sign.
std::string UpperCase(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') ||
            (byte >= LowerLatin1First && byte <= LowerLatin1Last && byte != DivisionSign))
            c = static_cast<char>(byte - CaseDistance);
    }
    return text;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

THighScoresRecord DecodeHighScores(std::span<const uint8_t> bytes) {
    return DecodeFields<THighScoresRecord>(bytes, Fields);
}

TRecordBytes EncodeHighScores(const THighScoresRecord& record) {
    return EncodeFields(record, HighScoresRecordSize, Fields);
}

void THighScores::SetDefaults() {
    table_.Names.fill(AnonymousStr);
    table_.Scores.fill(0);
}

void THighScores::LoadOrCreate() {
    const TReadRecord read = ReadRecordFile(NormalModeFileName, {HighScoresRecordSize}, OnLog);
    if (read.State == TRecordState::Read) {
        table_ = DecodeHighScores(read.Bytes);
        return;
    }
    SetDefaults();
    Save();
}

void THighScores::RemoveRank(size_t rank) {
    for (size_t below = rank; below + 1 < HighScoreRanks; ++below) {
        table_.Names[below] = table_.Names[below + 1];
        table_.Scores[below] = table_.Scores[below + 1];
    }
    table_.Names.back().clear();
    table_.Scores.back() = 0;
}

void THighScores::InsertRank(size_t rank, const std::string& name, int32_t score) {
    for (size_t below = HighScoreRanks - 1; below > rank; --below) {
        table_.Names[below] = table_.Names[below - 1];
        table_.Scores[below] = table_.Scores[below - 1];
    }
    table_.Names[rank] = name.substr(0, HighScoreNameLength);
    table_.Scores[rank] = score;
}

void THighScores::Submit(const std::string& name, int32_t score) {
    // A score without a player (an empty player list) has no line to go to.
    if (IsBlank(name)) return;
    const std::string upper = UpperCase(name);
    // The last matching rank counts.
    std::optional<size_t> listed;
    for (size_t rank = 0; rank < HighScoreRanks; ++rank)
        if (UpperCase(table_.Names[rank]) == upper) listed = rank;
    if (listed) {
        if (table_.Scores[*listed] >= score) return;
        RemoveRank(*listed);
    }
    for (size_t rank = 0; rank < HighScoreRanks; ++rank)
        if (table_.Scores[rank] < score) {
            InsertRank(rank, upper, score);
            return;
        }
}

bool THighScores::Save() const {
    return WriteRecordFile(NormalModeFileName, EncodeHighScores(table_), OnLog);
}

std::string HighScoreLine(int rank, const std::string& name, int32_t score,
                          const std::function<double(const std::string&)>& width) {
    const std::string before = std::to_string(rank) + ". ";
    const std::string after = " - " + std::to_string(score);
    const double room = HighScoreLineRoom - width(before + after);
    std::string kept = name;
    std::string shown = name;
    while (width(shown) > room) {
        // Nothing left to take away: ".." is as short as a name gets, whatever the room.
        if (kept.empty()) break;
        kept.pop_back();
        shown = kept + Shortened;
    }
    return before + shown + after;
}
