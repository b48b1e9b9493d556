#pragma once
// TOpeningLockers: matched lockers break open. Each shows the element inside, the breaking
// sound plays once per start, the broken pieces are asked for, and each cell is handed back to
// the board on its own.
#include "board/GameData.h"
#include "engine/AnimDataClass.h"

#include <array>
#include <functional>

using TOpeningEffectPiecesEffectRequest =
    std::function<void(const TBoardData& boardDataTmp, const TSimpleObjectArray& lockersToOpen)>;
using TOpeningEffectCompleteEvent =
    std::function<void(const TSimpleObjectArray& lockersToOpen, bool isLastOpeningEffect)>;

class TOpeningLockers {
public:
    static constexpr int MaxOpenings = 50;

    TOpeningLockers() { soundPlayed_.fill(true); }

    bool Visible = true;
    // The element every uni fruit shows.
    uint8_t UniFruitCode = 1;
    TOpeningEffectPiecesEffectRequest OnPiecesEffectRequest;
    TOpeningEffectCompleteEvent OnOpeningEffectComplete;

    void StartOpening(const TBoardData& newBoardData, const TSimpleObjectArray& lockersToOpen);
    void Tick();
    void Clear();
    bool IsOpening() const;

private:
    enum TOpeningState : uint8_t { osIdle, osPreOpening, osOpening };
    struct TOpeningCell {
        TOpeningState State = osIdle;
        TAnimData PreOpening;
        TAnimData Opening;
        bool PiecesRequested = false;
        int OpeningId = 0;
    };

    void StepCell(TPoint tile, TOpeningCell& cell);
    void DrawInside(TPoint tile) const;

    TBoardGrid<TOpeningCell> cells_;
    TBoardData board_{};
    int counter_ = 0;
    std::array<bool, MaxOpenings + 1> soundPlayed_{};
};
