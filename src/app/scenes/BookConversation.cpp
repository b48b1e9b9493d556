#include "app/scenes/BookConversation.h"

#include "app/GameProgress.h"
#include "app/PlayerSession.h"
#include "app/scenes/SceneInput.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

constexpr TPoint SkipPos{1226, 703};

} // namespace

TBookConversation::TBookConversation(const TGameServices& services) : services_(services) {
    dialog_.LoadConversations(services_.Texts);
    dialog_.OnStartOfBalloon = [this](int line, TCharacterSide speaker, uint8_t) {
        BalloonStarts(line, speaker);
    };
    dialog_.OnEndOfConversations = [this] {
        services_.Host.StopVoices();
        services_.Host.ApplySoundSettings();
        skipShown_ = false;
        if (services_.TestReport) services_.TestReport("conversation: ended");
        if (OnFinished) OnFinished(dialog_.Conversation());
    };
    skipButton_.ImageName = Pictures::StorySkipButton;
    skipButton_.Left = SkipPos.X;
    skipButton_.Top = SkipPos.Y;
    skipButton_.OnClick = [this] { Skip(); };
}

bool TBookConversation::StartIfUntold() {
    const int conversation = services_.Progress.BuySlots.BoughtCount() + 1;
    const std::string& player = services_.Player.SelectedName();
    if (conversation == told_ && player == toldTo_) return false;
    Start(conversation);
    return Running();
}

void TBookConversation::Start(int conversation) {
    if (conversation < 1 || conversation > TChapterDialog::ConversationCount) return;
    told_ = conversation;
    toldTo_ = services_.Player.SelectedName();
    services_.Host.LoadChatVoices(conversation);
    LowerMusicForStory(services_.Music);
    dialog_.Start(conversation);
    skipShown_ = true;
}

void TBookConversation::BalloonStarts(int line, TCharacterSide speaker) {
    if (!services_.Host.PlayChatVoice(line, speaker == csOrsel)) dialog_.StopTalking();
    if (services_.TestReport) services_.TestReport("balloon: " + std::to_string(line));
}

void TBookConversation::Skip() {
    skipShown_ = false;
    services_.Host.StopVoices();
    services_.Host.ApplySoundSettings();
    dialog_.Finish();
}

void TBookConversation::Frame() {
    dialog_.UpdateAndDraw();
    if (skipShown_) skipButton_.Draw(FullChannel);
}

bool TBookConversation::Mouse(const TPlatformEvent& event) {
    if (!Running()) return false;
    if (skipShown_) {
        RouteMouse(event, skipButton_);
        if (skipButton_.HitTest(event.X, event.Y)) return true;
    }
    if (event.Kind == TEventKind::MouseDown) dialog_.Click(event.Button == mbLeft);
    return true;
}
