// Writes one player's save and the high scores over and over with the game's own routines, each
// time one higher, until it is killed: the kill-during-save test cuts it short at random moments.
// The score and the music volume lie at the two ends of the save and always agree (volume =
// score % 101), so a record torn between two writes shows.
//   e2e_save_writer DATA_FOLDER NAME
#include "saves/HighScoresClass.h"
#include "saves/PlayerSaveFiles.h"
#include "saves/PlayersFile.h"

#include <cstdio>
#include <string>

namespace {

constexpr int VolumeSpan = 101;

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: e2e_save_writer DATA_FOLDER NAME\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::string name = argv[2];
    TPlayersRecord players;
    players.Slots[0] = name;
    players.SelectedName = name;
    if (!SavePlayers(folder, players)) return 1;

    TPlayerSaveFiles saves;
    saves.Folder = folder;
    TPlayerSaveRecord record = saves.Load(name); // on from what the last writer left
    THighScores scores;
    scores.NormalModeFileName = folder + HighScoresFileName;
    scores.LoadOrCreate();
    for (int32_t round = record.Score + 1;; ++round) {
        record.Score = round;
        record.MusicVolume = round % VolumeSpan;
        if (!saves.Save(name, record)) return 1;
        scores.Submit(name, round);
        if (!scores.Save()) return 1;
        // Both files hold this round now.
        std::printf("%d\n", round);
        std::fflush(stdout);
    }
}
