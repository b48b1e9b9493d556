#include "app/scenes/CompanyLogosScene.h"

#include "app/scenes/SceneInput.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <algorithm>

namespace {

constexpr int CardCount = Pictures::CompanyLogos.Last - Pictures::CompanyLogos.First + 1;
constexpr int Opaque = 255;

} // namespace

void TCompanyLogosScene::Frame() {
    if (finished_) return;
    DrawImage(Pictures::CompanyLogos.Name(Pictures::CompanyLogos.First + card_), 0, 0, 0, 0, 0, 1,
              1, Opaque, Opaque, Opaque, static_cast<uint8_t>(CardAlpha()), 0);
    if (++tick_ < CardTicks) return;
    tick_ = 0;
    if (++card_ == CardCount) Finish();
}

void TCompanyLogosScene::Mouse(const TPlatformEvent& event) {
    if (event.Kind == TEventKind::MouseDown) Finish();
}

int TCompanyLogosScene::CardAlpha() const {
    const int fromEdge = std::min(tick_, CardTicks - 1 - tick_);
    return std::min(Opaque, Opaque * fromEdge / FadeTicks);
}

void TCompanyLogosScene::Finish() {
    if (finished_) return;
    finished_ = true;
    if (OnFinished) OnFinished();
}

void TCompanyLogosScene::Key(const TPlatformEvent& event) {
    if (GoesOn(event)) Finish();
}
