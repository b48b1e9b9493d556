#pragma once
// TPlayerTool: what the six player tools share. A tool hangs at its place in the tool cabinet,
// is picked up, follows the mouse while carried, and when put back waits a moment and glides
// home. The board tile under the pointer is the tile the tool acts on.
#include "board/GameData.h"

#include <string_view>

// Draws a picture with its middle at a screen point, scaled about its middle.
void DrawCentred(std::string_view picture, TPoint centre, float scale, uint8_t alpha, int pattern);

class TPlayerTool {
public:
    enum TPhase : uint8_t { tpHanging, tpCarried, tpApplying, tpWaiting, tpGliding };

    static constexpr int HangBoxSize = 80; // the tool's pictures are 80 x 80, drawn centred
    static constexpr int GlideStep = 45;   // pixels per tick on the way home

    // The centre of the tool's hanging place, in screen pixels.
    TPoint HangPos;
    // Milliseconds a put-back tool rests before gliding home.
    int IdleReturnTime = 250;

    virtual ~TPlayerTool() = default;

    // Back on its hook at once, whatever it was doing (round over, new round).
    void PutDown();
    // In the player's hand, or acting on the board: the board takes no mouse meanwhile.
    bool Active() const { return phase_ == tpCarried || phase_ == tpApplying; }
    TPhase Phase() const { return phase_; }
    TPoint Pos() const { return phase_ == tpHanging ? HangPos : pos_; }

protected:
    bool OnHangPlace(int x, int y) const;
    void PickUp(int x, int y);
    // Put back: rests a moment where it is, then glides home.
    void Return();
    void StartApplying() { phase_ = tpApplying; }
    // Applied, and still wanted: back in the hand where it is.
    void KeepInHand() { phase_ = tpCarried; }
    void Follow(int x, int y);
    // The board tile under a screen point; (0, 0) off the board.
    static TPoint TileUnder(TPoint screen);
    // Moves a returning tool; call once a tick.
    void StepReturn();
    void DrawTool(std::string_view picture, int pattern, uint8_t alpha = 255) const;

private:
    TPhase phase_ = tpHanging;
    TPoint pos_; // where a tool off its hook is
    int returnTimer_ = 0;
};
