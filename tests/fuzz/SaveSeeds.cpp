// Writes one sample of each file of the data folder into the folder given, as the seeds the
// fuzz targets of their readers start from.
#include "SaveSamples.h"
#include "files/AtomicWrite.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: save_seeds FOLDER\n", stderr);
        return 2;
    }
    using namespace saves_test;
    const std::string folder = std::string(argv[1]) + "/";
    const std::pair<const char*, TRecordBytes> seeds[] = {
        {"Players.dat", EncodePlayersRecord(SamplePlayers())},
        {"Player.sav", EncodePlayerSave(SamplePlayerSave())},
        {"Defaults.sav", EncodePlayerSave(DefaultPlayerSave())},
        {"HighScores.dat", EncodeHighScores(SampleHighScores())},
        {"Player-LOG.dat", EncodeGameLog(SampleGameLog())},
    };
    for (const auto& [name, bytes] : seeds) {
        const std::string error = WriteFileAtomic(folder + name, bytes);
        if (error.empty()) continue;
        std::fprintf(stderr, "%s%s: %s\n", folder.c_str(), name, error.c_str());
        return 1;
    }
    return 0;
}
