#pragma once
// TLockerPieces: the pieces of broken lockers, thrown up and falling off the screen, glowing
// as they go.
#include "board/GameData.h"
#include "effects/EffectPattern.h"

class TLockerPieces {
public:
    static constexpr int Capacity = 200;

    bool Visible = true;
    uint8_t MaxPieceIdx = 6; // pieces per locker
    int OrigPieceWidth = 26;
    int OrigPieceHeight = 27;

    void StartPieces(const TBoardData& boardDataTmp, const TSimpleObjectArray& lockersToOpen);
    void Tick();
    void Clear();
    int RunningCount() const { return pieces_.RunningCount(); }

    struct TPiece {
        enum TPieceState : uint8_t { psIdle, psWaiting, psFlying };
        TPieceState State = psIdle;
        uint8_t Colour = 1;
        uint8_t PieceIdx = 1;
        int WaitedMs = 0;
        double Angle = 0, X = 0, Y = 0;
        double FallSpeed = 0, SideSpeed = 0, Impulse = 0;
        double Glow = 0;

        bool Running() const { return State != psIdle; }
    };
    const TPiece& Piece(int index) const { return pieces_[index]; }

private:
    void Spawn(TPoint tile, uint8_t colour, uint8_t pieceIdx);
    static void Fly(TPiece& piece);
    void Draw(const TPiece& piece) const;

    TEffectRing<TPiece, Capacity> pieces_;
};
