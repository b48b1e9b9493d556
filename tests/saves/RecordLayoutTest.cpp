// Each file's layout byte for byte: a record whose every field holds a value of its own, laid
// out by the tests' own table of offsets, encodes to exactly those bytes and decodes back.
#include "SaveSamples.h"
#include "SavesTestSupport.h"

#include <bit>

using namespace saves_test;

namespace {

void PutShortString(std::string& bytes, size_t offset, const std::string& text) {
    bytes[offset] = static_cast<char>(text.size());
    bytes.replace(offset + 1, text.size(), text);
}

void PutSingle(std::string& bytes, size_t offset, float value) {
    PutLittleEndian(bytes, offset, 4, std::bit_cast<uint32_t>(value));
}

template <size_t N>
void PutArray(std::string& bytes, size_t offset, const std::array<uint8_t, N>& values) {
    for (size_t i = 0; i < N; ++i) bytes[offset + i] = static_cast<char>(values[i]);
}

std::string PlayersBytes(const TPlayersRecord& record) {
    std::string bytes(358, '\0');
    for (size_t slot = 0; slot < 6; ++slot) PutShortString(bytes, 17 * slot, record.Slots[slot]);
    PutShortString(bytes, 102, record.SelectedName);
    return bytes;
}

std::string PlayerSaveBytes(const TPlayerSaveRecord& r) {
    std::string bytes(164, '\0');
    PutLittleEndian(bytes, 0, 4, static_cast<uint32_t>(r.Score));
    for (size_t kind = 0; kind < 5; ++kind) PutSingle(bytes, 4 + 4 * kind, r.ElementStocks[kind]);
    PutArray(bytes, 24, r.StickerBook);
    PutLittleEndian(bytes, 60, 2, r.StickerBookExtra);
    for (size_t island = 0; island < 5; ++island)
        PutArray(bytes, 62 + 4 * island, r.ElementSlots[island]);
    bytes[82] = static_cast<char>(r.NextUncompletedIsland);
    PutLittleEndian(bytes, 84, 4, static_cast<uint32_t>(r.NextUncompletedLevel));
    bytes[88] = static_cast<char>(r.OpeningStoryTold);
    PutArray(bytes, 89, r.MapIslandsEntered);
    PutArray(bytes, 94, r.MapIslandsOpened);
    PutArray(bytes, 99, r.MapState);
    PutArray(bytes, 105, r.TutorialStepsShown);
    PutArray(bytes, 118, r.ToolTipsShown);
    bytes[145] = static_cast<char>(r.SoundOn);
    bytes[146] = static_cast<char>(r.MusicOn);
    bytes[147] = static_cast<char>(r.FullScreen);
    bytes[148] = static_cast<char>(r.TutorialOn);
    PutArray(bytes, 149, r.SlotsNotified);
    PutLittleEndian(bytes, 152, 4, static_cast<uint32_t>(r.SoundVolume));
    PutLittleEndian(bytes, 156, 4, static_cast<uint32_t>(r.MusicVolume));
    bytes[160] = static_cast<char>(r.RelaxedMode);
    return bytes;
}

std::string HighScoresBytes(const THighScoresRecord& record) {
    std::string bytes(1300, '\0');
    for (size_t rank = 0; rank < 5; ++rank) {
        PutShortString(bytes, 256 * rank, record.Names[rank]);
        PutLittleEndian(bytes, 1280 + 4 * rank, 4, static_cast<uint32_t>(record.Scores[rank]));
    }
    return bytes;
}

std::string GameLogBytes(const TGameLogRecord& record) {
    std::string bytes(4880, '\0');
    for (size_t island = 1; island <= 5; ++island)
        for (size_t level = 1; level <= 20; ++level) {
            const size_t offset = ((island - 1) * 20 + (level - 1)) * 48;
            const TLevelLogEntry& entry = record.Levels[(island - 1) * 20 + (level - 1)];
            PutLittleEndian(bytes, offset, 4, static_cast<uint32_t>(entry.Seconds));
            for (size_t kind = 0; kind < 5; ++kind)
                PutSingle(bytes, offset + 4 + 4 * kind, entry.Amounts[kind]);
            PutShortString(bytes, offset + 24, entry.LevelFile);
        }
    for (size_t island = 1; island <= 5; ++island)
        for (size_t slot = 1; slot <= 4; ++slot)
            PutLittleEndian(bytes, 4800 + ((island - 1) * 4 + (slot - 1)) * 4, 4,
                            static_cast<uint32_t>(record.Upgrades[(island - 1) * 4 + (slot - 1)]));
    return bytes;
}

std::span<const uint8_t> Span(const std::string& bytes) {
    return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

TEST(RecordLayout, PlayersListByteForByte) {
    const TPlayersRecord record = SamplePlayers();
    const std::string bytes = PlayersBytes(record);
    EXPECT_EQ(AsString(EncodePlayersRecord(record)), bytes);
    EXPECT_EQ(DecodePlayersRecord(Span(bytes)), record);
}

TEST(RecordLayout, PlayerSaveByteForByte) {
    const TPlayerSaveRecord record = SamplePlayerSave();
    const std::string bytes = PlayerSaveBytes(record);
    EXPECT_EQ(AsString(EncodePlayerSave(record)), bytes);
    EXPECT_EQ(AsString(EncodePlayerSave(DecodePlayerSave(Span(bytes)))), bytes);
    EXPECT_EQ(DecodePlayerSave(Span(bytes)).ElementStocks, record.ElementStocks);
}

TEST(RecordLayout, HighScoresByteForByte) {
    const THighScoresRecord record = SampleHighScores();
    const std::string bytes = HighScoresBytes(record);
    EXPECT_EQ(AsString(EncodeHighScores(record)), bytes);
    EXPECT_EQ(DecodeHighScores(Span(bytes)), record);
}

TEST(RecordLayout, GameLogByteForByte) {
    const TGameLogRecord record = SampleGameLog();
    const std::string bytes = GameLogBytes(record);
    EXPECT_EQ(AsString(EncodeGameLog(record)), bytes);
    EXPECT_EQ(DecodeGameLog(Span(bytes)), record);
}

// Bytes after a short string's end are undefined on reading; a length byte beyond the field is
// taken as the field's length, never reading into the next field.
TEST(RecordLayout, ShortStringsIgnoreTheirTailAndClampTheirLength) {
    std::string players = PlayersBytes(SamplePlayers());
    players[1 + 1] = 'Z'; // after slot 1's one character
    players[17] = '\xFF'; // slot 2 claims 255 characters
    const TPlayersRecord read = DecodePlayersRecord(Span(players));
    EXPECT_EQ(read.Slots[0], "A");
    EXPECT_EQ(read.Slots[1], players.substr(18, 16));

    std::string log = GameLogBytes({});
    log[24] = 40; // the first entry's file name claims 40 of its 20 characters
    EXPECT_EQ(DecodeGameLog(Span(log)).Levels[0].LevelFile.size(), 20U);
}

// Writers cut what does not fit and fill the rest with zeros.
TEST(RecordLayout, WritersCutLongTextsAndZeroTheRest) {
    TPlayersRecord players;
    players.Slots[0] = std::string(20, 'N');
    const TRecordBytes bytes = EncodePlayersRecord(players);
    EXPECT_EQ(bytes[0], 16);
    EXPECT_EQ(bytes[17], 0); // slot 2 untouched by slot 1's extra characters

    THighScoresRecord scores;
    scores.Names[0] = std::string(300, 'H');
    EXPECT_EQ(DecodeHighScores(EncodeHighScores(scores)).Names[0], std::string(255, 'H'));
}

} // namespace
