#include "app/GuidePocketClass.h"

#include "engine/GlobalGameTextClass.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"

#include <cmath>
#include <numeric>
#include <string>

namespace {

constexpr float GuideScale = 0.42f;
constexpr int GuideResting = 0;
constexpr int GuideWingPictures = 3;
constexpr int WingTicks = 4;
constexpr float CountRatio = 0.8f;
constexpr int CountSpacing = 0;
constexpr int NoWidthLimit = 0;
constexpr int CountBlack = 3;
constexpr int Opaque = 255;
// The little stars around the count: their offsets from the pocket's point, and their size.
constexpr TPoint StarOffsets[] = {{-14, -16}, {10, -12}, {-4, 10}, {16, 6}};
constexpr float StarScale = 1.2f;
constexpr int StarPictures = 2;

int WholeGoods(const TElementsCount& stocks) {
    const float sum = std::accumulate(stocks.begin(), stocks.end(), 0.0f);
    return sum > 0 ? static_cast<int>(std::floor(sum)) : 0;
}

} // namespace

void TGuidePocket::Fill(const TElementsCount& stocks) {
    goods_ = WholeGoods(stocks);
    received_ = false;
    twinkle_ = 0;
}

void TGuidePocket::Receive(const TElementsCount& stocks) {
    goods_ = WholeGoods(stocks);
    twinkle_ = TwinkleTicks;
    if (received_) return;
    received_ = true;
    if (OnFirstGoods) OnFirstGoods();
}

// She beats her wings while the goods drop in, and rests otherwise.
void TGuidePocket::UpdateAndDraw() {
    const int wing = Twinkling() ? (twinkle_ / WingTicks) % GuideWingPictures : GuideResting;
    DrawImage(Pictures::TutorialDove, GuidePos.X, GuidePos.Y, 0, 0, 0, GuideScale, GuideScale, 255,
              255, 255, Opaque, wing);
    DrawCount();
    if (!Twinkling()) return;
    DrawStars();
    --twinkle_;
}

void TGuidePocket::DrawCount() const {
    if (!GameText) return;
    const std::string count = std::to_string(goods_);
    const int room = CountRight - CountLeft;
    const int width = GameText->TextWidth(count, CountSpacing, CountRatio);
    const float ratio = width > room ? CountRatio * room / width : CountRatio;
    const int left = CountRight - GameText->TextWidth(count, CountSpacing, ratio);
    GameText->DrawText(left, PocketPoint.Y, count, ratio, CountSpacing, Opaque, NoWidthLimit,
                       CountBlack);
}

// The stars fade as the twinkle runs out, taking turns between their two pictures.
void TGuidePocket::DrawStars() const {
    const auto alpha = static_cast<uint8_t>(Opaque * twinkle_ / TwinkleTicks);
    int star = 0;
    for (const TPoint offset : StarOffsets)
        DrawImage(Pictures::LittleStars, PocketPoint.X + offset.X, PocketPoint.Y + offset.Y, 0,
                  0.5f, 0.5f, StarScale, StarScale, 255, 255, 255, alpha,
                  (star++ + twinkle_ / WingTicks) % StarPictures);
}
