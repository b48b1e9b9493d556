#include "SimRound.h"

#include "app/NullPlatform.h"
#include "board/LevelParamsClass.h"
#include "engine/GameGlobals.h"

#include <exception>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A loop pass a little over one tick after the last one fires exactly one tick.
constexpr double PassMs = GameTickMs + 1;
constexpr int MsPerSecond = 1000;

class TSimRun {
public:
    TSimRun(const TSimSettings& settings, uint64_t seed) : settings_(settings) {
        SetRandomSeed(seed);
        form_ = std::make_unique<TFormMain>(
            platform_.For(settings.ProgramFolder, settings.ProgramFolder + "errors.log"));
        form_->MainGame().SwapEffect.OnEffectComplete =
            [this, next = form_->MainGame().SwapEffect.OnEffectComplete](TTileObjectKind kind,
                                                                         TPoint a, TPoint b) {
                ++moves_;
                next(kind, a, b);
            };
    }
    ~TSimRun() {
        form_.reset();
        ReleaseRandomSeed();
    }
    TSimRun(const TSimRun&) = delete;
    TSimRun& operator=(const TSimRun&) = delete;

    TSimRound Play(uint64_t seed) {
        TSimRound round;
        round.Seed = seed;
        form_->LoadMainPictures();
        if (!form_->StartLevel(settings_.Island, settings_.Level)) {
            round.Error = platform_.Desktop.Messages.empty() ? "the level did not start"
                                                             : platform_.Desktop.Messages.back();
            return round;
        }
        TMainGameScene& game = form_->MainGame();
        game.ObjectiveInfo.Skip();
        game.TubeTimer.RelaxedMode = settings_.Relaxed ? rmYes : rmNo;
        form_->FormShow();
        round.RoundTimeSeconds = form_->Levels().Time();
        const int maxTicks = settings_.MaxSeconds * MsPerSecond / GameTickMs;
        int readyTicks = 0;
        for (; round.Ticks < maxTicks && !game.RoundOver && !game.RoundLost(); ++round.Ticks) {
            platform_.Clock.AdvanceMs(PassMs);
            form_->RunLoopPass();
            readyTicks = ReadyForMove() ? readyTicks + 1 : 0;
            if (readyTicks > settings_.ThinkTicks && MakeMove()) readyTicks = 0;
        }
        return Outcome(std::move(round));
    }

private:
    // The round is played and the board rests: nothing moves, falls, flies or is rebuilt.
    bool ReadyForMove() const {
        const TMainGameScene& game = form_->MainGame();
        if (form_->Scene() != gsMainGame || game.GamePause() || !game.GameBoard.CanMatch)
            return false;
        const TTileStateGrid states = game.GameBoard.TileStates();
        for (int x = 1; x <= BoardColumns; ++x)
            for (int y = 1; y <= BoardRows; ++y) {
                const uint8_t state = states(x, y);
                if (state != tsIdle && state != tsNoCell && state != tsChained) return false;
            }
        return game.SwapEffect.RunningCount() == 0 && !game.LockerFiller.Running() &&
               !game.LockerFrames.Flying() && !game.ShuffleAwayEffect.IsRunning() &&
               !game.OpeningLockers.IsOpening();
    }

    // Press on a tile, drag onto the other, release: as the mouse would.
    bool MakeMove() {
        const TMainGameScene& game = form_->MainGame();
        const std::optional<TSimMove> move = ChooseMove(settings_.Bot, game);
        if (!move) return false;
        const TPoint start = TileCentre(move->From);
        const TPoint end = TileCentre(move->To);
        Mouse(TEventKind::MouseDown, start);
        Mouse(TEventKind::MouseMove, {(start.X + end.X) / 2, (start.Y + end.Y) / 2});
        Mouse(TEventKind::MouseMove, end);
        Mouse(TEventKind::MouseUp, end);
        return true;
    }
    TPoint TileCentre(TPoint tile) const {
        const TGameBoard& board = form_->MainGame().GameBoard;
        const TPoint origin = TileOrigin(board.Left, board.Top, tile.X, tile.Y);
        return {origin.X + TileSize / 2, origin.Y + TileSize / 2};
    }
    void Mouse(TEventKind kind, TPoint at) { platform_.PushMouse(kind, at, mbLeft); }

    TSimRound Outcome(TSimRound round) {
        TMainGameScene& game = form_->MainGame();
        round.Moves = moves_;
        round.Score = game.LevelScore;
        for (int slot = 0; slot < TElementGather::SlotCount; ++slot) {
            const int* target = game.ElementGather.TargetOf(slot);
            round.Targets[slot] = target ? *target : 0;
            round.Gathered[slot] = round.Targets[slot] - game.ElementGather.Remaining(slot);
        }
        if (game.RoundOver) {
            round.Result = TSimResult::Won;
            round.ElapsedSeconds = game.Stats.PlayingTime;
            round.Medal = game.Medal;
        } else if (game.RoundLost()) {
            round.Result = TSimResult::Lost;
            round.ElapsedSeconds = round.RoundTimeSeconds;
        } else {
            round.Error = "the round did not end in " + std::to_string(settings_.MaxSeconds) +
                          " game seconds";
        }
        return round;
    }

    TSimSettings settings_;
    TNullPlatform platform_;
    std::unique_ptr<TFormMain> form_;
    int moves_ = 0;
};

} // namespace

// A game that cannot start (no pictures folder) is an error of the round, said in one line.
TSimRound PlaySimRound(const TSimSettings& settings, uint64_t seed) {
    try {
        TSimRun run(settings, seed);
        return run.Play(seed);
    } catch (const std::exception& error) {
        TSimRound failed;
        failed.Seed = seed;
        failed.Error = error.what();
        return failed;
    }
}

TSimProgramFolder::TSimProgramFolder(const fs::path& game, const std::string& tag)
    : root_(fs::temp_directory_path() / ("tovan-sim-" + std::to_string(getpid()) + tag)) {
    fs::remove_all(root_);
    fs::create_directories(root_ / "Levels");
    std::error_code ignored; // a game folder without one of them runs without it
    for (const char* content : {"Images", "Texts", "Sounds", "Voices", "Music"})
        fs::create_directory_symlink(fs::absolute(game / content), root_ / content, ignored);
}

TSimProgramFolder::~TSimProgramFolder() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::string TSimProgramFolder::PlaceLevel(const fs::path& file,
                                          const TSimSettings& settings) const {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return "no level file " + file.string();
    fs::copy_file(file,
                  root_ / "Levels" / TLevelParams::LevelFileName(settings.Island, settings.Level),
                  fs::copy_options::overwrite_existing, error);
    return error ? "cannot copy " + file.string() + ": " + error.message() : "";
}
