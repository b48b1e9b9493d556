// Any bytes as a high-score table: it reads back as written, a submitted score lists its player
// at most once more than before, and every display line ends.
#include "SaveFuzzing.h"
#include "saves/HighScoresClass.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const THighScoresRecord record =
        DecodeHighScores(WholeRecord(data, size, HighScoresRecordSize));
    CheckRoundTrip(record, DecodeHighScores, EncodeHighScores);

    const auto characterWidth = [](const std::string& text) { return 7.0 * text.size(); };
    for (size_t rank = 0; rank < HighScoreRanks; ++rank)
        if (HighScoreLine(static_cast<int>(rank + 1), record.Names[rank], record.Scores[rank],
                          characterWidth)
                .empty())
            std::abort();

    // The table of the input, then a player named after its first name with its last score.
    THighScores scores;
    scores.OnLog = [](const std::string&) {};
    scores.SetDefaults();
    scores.Submit(record.Names[0], record.Scores[HighScoreRanks - 1]);
    const auto& names = scores.Table().Names;
    for (const std::string& name : names)
        if (!name.empty() && name != scores.AnonymousStr &&
            std::count(names.begin(), names.end(), name) > 1)
            std::abort();
    return 0;
}
