// tovan-save dump FILE: prints a player list, a player save, the high scores or a game log as
// readable text, each field as the file holds it and, where the game would use another value,
// that value too. A file it cannot read or recognise is one line on stderr and exit status 1.
#include "files/FileRead.h"
#include "files/TextEncoding.h"
#include "saves/GameLoggerClass.h"
#include "saves/HighScoresClass.h"
#include "saves/PlayerNames.h"
#include "saves/PlayerSaveRecord.h"
#include "saves/PlayersFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <type_traits>

namespace {

constexpr const char* Usage = "usage: tovan-save dump FILE\n";
constexpr const char* Kinds = "not a file of the game: Players.dat (0 or 358 bytes), <name>.sav "
                              "(164), HighScores.dat (1300) or <name>-LOG.dat (up to 4880)";
constexpr const char* ElementNames[ElementKindCount] = {"fruit", "flower", "potion", "gold tile",
                                                        "spider"};
constexpr const char* RelaxedModeNames[MaxRelaxedMode + 1] = {"ask on Play", "relaxed", "timed"};
constexpr unsigned char FirstPrintable = 0x20, Delete = 0x7F, FirstLatin1Printable = 0xA0;

// A Latin-1 text in quotes, as UTF-8, with control bytes as \xNN.
std::string Quoted(const std::string& latin1) {
    std::string text = "\"";
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        char escaped[8];
        if (byte < FirstPrintable || (byte >= Delete && byte < FirstLatin1Printable)) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else {
            if (c == '"' || c == '\\') text += '\\';
            text += Latin1ToUtf8(std::string_view(&c, 1));
        }
    }
    return text + "\"";
}

template <size_t N> std::string Bytes(const std::array<uint8_t, N>& bytes) {
    std::string text;
    for (const uint8_t byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        text += (text.empty() ? "" : " ") + std::string(hex);
    }
    return text;
}

// Singles with enough digits to tell every one apart.
template <typename T> std::string Number(T value) {
    if constexpr (std::is_integral_v<T>) return std::to_string(static_cast<long long>(value));
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

// "raw", or "raw (used as X)" when the game would use another value.
template <typename T, typename U> std::string Used(T raw, U usable) {
    const std::string text = Number(raw);
    return usable == raw ? text : text + " (used as " + Number(usable) + ")";
}

std::string Line(const std::string& label, const std::string& value) {
    return label + ": " + value + "\n";
}

std::string DumpPlayers(const TPlayersRecord& record) {
    std::string text = "player list\n";
    for (size_t slot = 0; slot < PlayerSlotCount; ++slot) {
        const std::string& name = record.Slots[slot];
        const char* note = name.empty()               ? " (empty)"
                           : IsUsablePlayerName(name) ? ""
                                                      : " (not a player's name: read as empty)";
        text += Line("slot " + std::to_string(slot + 1), Quoted(name) + note);
    }
    return text + Line("selected", Quoted(record.SelectedName));
}

std::string DumpPlayerSave(const TPlayerSaveRecord& record) {
    std::string text = "player save\n" + Line("score", std::to_string(record.Score));
    for (size_t kind = 0; kind < ElementKindCount; ++kind)
        text += Line(std::string("stock ") + ElementNames[kind],
                     Used(record.ElementStocks[kind], record.UsableStock(kind)));
    text += Line("sticker book", Bytes(record.StickerBook));
    text += Line("sticker book extra", std::to_string(record.StickerBookExtra));
    for (size_t island = 0; island < IslandCount; ++island)
        text += Line("slots bought, island " + std::to_string(island + 1),
                     Bytes(record.ElementSlots[island]));
    text += Line("next island", Used(record.NextUncompletedIsland, record.UsableIsland()));
    text += Line("next level", Used(record.NextUncompletedLevel, record.UsableLevel()));
    text += Line("opening story told", std::to_string(record.OpeningStoryTold));
    text += Line("map islands entered", Bytes(record.MapIslandsEntered));
    text += Line("map islands opened", Bytes(record.MapIslandsOpened));
    text += Line("map state", Bytes(record.MapState));
    text += Line("tutorial steps shown", Bytes(record.TutorialStepsShown));
    text += Line("tool tips shown", Bytes(record.ToolTipsShown));
    text += Line("sound on", std::to_string(record.SoundOn));
    text += Line("music on", std::to_string(record.MusicOn));
    text += Line("full screen", std::to_string(record.FullScreen));
    text += Line("tutorial on", std::to_string(record.TutorialOn));
    text += Line("slots notified", Bytes(record.SlotsNotified));
    text += Line("sound volume", Used(record.SoundVolume, record.UsableSoundVolume()));
    text += Line("music volume", Used(record.MusicVolume, record.UsableMusicVolume()));
    return text + Line("timer mode", Used(record.RelaxedMode, record.UsableRelaxedMode()) + " " +
                                         RelaxedModeNames[record.UsableRelaxedMode()]);
}

std::string DumpHighScores(const THighScoresRecord& record) {
    std::string text = "high scores\n";
    for (size_t rank = 0; rank < HighScoreRanks; ++rank)
        text += Line(std::to_string(rank + 1),
                     Quoted(record.Names[rank]) + " " + std::to_string(record.Scores[rank]));
    return text;
}

// The file's text, or nothing when the name and size make no file of the game.
std::optional<std::string> Dump(const std::string& name, TRecordBytes bytes) {
    const size_t size = bytes.size();
    const auto whole = [&bytes](size_t full) {
        bytes.resize(full, 0);
        return std::span<const uint8_t>(bytes);
    };
    if (name == PlayersFileName && (size == 0 || size == PlayersRecordSize))
        return DumpPlayers(DecodePlayersRecord(whole(PlayersRecordSize)));
    if (name == HighScoresFileName && size == HighScoresRecordSize)
        return DumpHighScores(DecodeHighScores(bytes));
    if (name.ends_with(PlayerSaveSuffix) && size == PlayerSaveRecordSize)
        return DumpPlayerSave(DecodePlayerSave(bytes));
    if (name.ends_with(GameLogSuffix) && size <= GameLogRecordSize)
        return "game log\n" + GameLogText(DecodeGameLog(whole(GameLogRecordSize)));
    return std::nullopt;
}

int DumpFile(const std::string& file) {
    const TFileContents contents = ReadWholeFile(file, GameLogRecordSize);
    if (!contents.Ok()) {
        std::fprintf(stderr, "%s: cannot read: %s\n", file.c_str(), contents.Error.Cause.c_str());
        return 1;
    }
    const std::string name = std::filesystem::path(file).filename().string();
    const std::optional<std::string> text = Dump(name, contents.Bytes);
    if (!text) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), Kinds);
        return 1;
    }
    // Standard output may be a full disk or a closed pipe: a dump that did not arrive is a fault.
    if (std::fwrite(text->data(), 1, text->size(), stdout) != text->size() ||
        std::fflush(stdout) != 0) {
        std::fprintf(stderr, "%s: cannot write the dump\n", file.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "dump") {
        std::fputs(Usage, stderr);
        return 2;
    }
    return DumpFile(argv[2]);
}
