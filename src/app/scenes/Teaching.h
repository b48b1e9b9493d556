#pragma once
// What the round and the haven book share of Mirela's teaching: the tutorial switch and the
// shown flags live in the player's record, each step speaks its clip while it shows, and Mirela
// beats her wings beside her step.
#include "app/GameServices.h"
#include "platform/PlatformEvents.h"
#include "story/MirelaTutorialClass.h"
#include "story/TutorialToolTipClass.h"

#include <functional>

class TPlayerSession;

// A step's OK button, from the panel's corner.
inline constexpr TPoint StepOkOffset{162, 400};

// Texts and the title's font; a step or tip is written into the player's record the moment it
// shows. A step speaks its clip from its start; its close stops the voice, then `stepClosed`.
void ConnectTeaching(TMirelaTutorial& tutorial, TTutorialToolTip& toolTip,
                     const TGameServices& services, std::function<void()> stepClosed);
// The record's tutorial switch and shown flags into both, before either decides anything.
void SyncTeachingWithPlayer(TMirelaTutorial& tutorial, TTutorialToolTip& toolTip,
                            const TPlayerSession& player);

// Enter or Space (a controller's A) answer a step or a tip as its OK does. The OK goes by the
// typed character; the keys' own presses are held back, so nothing of them is left over.
enum class TTeachingKey { Answer, HeldBack, Other };
TTeachingKey TeachingKeyOf(const TPlatformEvent& event);

// Mirela beside her step, beating her wings, fading with the panel.
class TGuideDrawing {
public:
    void Draw(const TMirelaTutorial& tutorial);

private:
    int ticks_ = 0;
};
