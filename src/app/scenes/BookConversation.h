#pragma once
// The conversation over the haven book: the chapter dialog with its voices and the skip button.
// Conversation n belongs to the book with n - 1 works bought: it is told when the book shows
// with a new count of works, once for each count while the player plays on; the closing
// conversation follows the last work.
#include "app/GameServices.h"
#include "engine/GameButtonClass.h"
#include "platform/PlatformEvents.h"
#include "story/ChapterDialogClass.h"

#include <functional>
#include <string>

class TBookConversation {
public:
    static constexpr int ClosingConversation = TChapterDialog::ConversationCount;

    // The conversation has ended, told to its end or skipped, and faded out.
    std::function<void(int conversation)> OnFinished;

    explicit TBookConversation(const TGameServices& services);

    void TakeSizes() { skipButton_.TakeSize(); }
    // The player's conversation, unless it was told since the player's works last changed;
    // True when it starts.
    bool StartIfUntold();
    // Conversation 1..22 with its voices; any other number starts nothing.
    void Start(int conversation);
    // The skip button.
    void Skip();
    bool Running() const { return dialog_.Active(); }
    void Frame();
    // The conversation takes every mouse event while it runs: a press beside the skip button
    // hurries the balloon on. False when it is not running.
    bool Mouse(const TPlatformEvent& event);

    const TChapterDialog& Dialog() const { return dialog_; }
    const TGameButton& SkipButton() const { return skipButton_; }

private:
    void BalloonStarts(int line, TCharacterSide speaker);

    TGameServices services_;
    TChapterDialog dialog_;
    TGameButton skipButton_;
    bool skipShown_ = false;
    // The conversation last told and to whom.
    int told_ = 0;
    std::string toldTo_;
};
