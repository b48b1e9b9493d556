#include "progression/BuySlotsInfoClass.h"

#include "engine/GameGlobals.h"
#include "engine/GlobalGameTextClass.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/TextStringsClass.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int LinesPerSlot = 3;
// Entries of the shop texts after the slots' lines.
constexpr int BonusLabelEntry = 61;
constexpr int PriceLabelEntry = 62;
constexpr int WarningEntry = 63;
constexpr int UpgradeLabelEntry = 64;

constexpr int TextSpacing = -1;
constexpr int White = 0;
constexpr int Yellow = 1;
constexpr int Red = 2;
constexpr int Black = 3;
constexpr int NoWidthLimit = 0;

// Heights of the window's lines, from its top.
constexpr int TitleY = 89;
constexpr std::array<int, LinesPerSlot> LineY = {115, 133, 151};
constexpr int BonusY = 180;
constexpr TPoint BonusNumberOffset{254, 178};
constexpr float BonusNumberScale = 1.35f;
constexpr int PriceLabelY = 211;
// The price shelf: an icon and its number per kind that costs anything.
constexpr int PricesLeft = 112;
constexpr int PriceStep = 90;
constexpr int PriceIconY = 226;
constexpr TPoint PriceNumberOffset{49, 243};
constexpr float PriceNumberRatio = 0.72f;
constexpr TPoint WarningShadow{148, 211};
constexpr TPoint WarningText{147, 210};
// The upgrade's element and what it does.
constexpr int UpgradeLabelY = 284;
constexpr TPoint UpgradeSpriteOffset{10, 297};
constexpr TPoint UpgradeTextOffset{5, 364};
// The purse row.
constexpr int PurseIconStep = 123;
constexpr int PurseIconShift = 77;
constexpr int PurseIconY = 399;
constexpr float PurseRatio = 0.62f;

// The blink of an uncovered price.
constexpr float BlinkLow = -7;
constexpr float BlinkHigh = 7;

int PadFor(int count) {
    if (count < 10) return 20;
    if (count < 100) return 15;
    if (count < 1000) return 10;
    if (count <= 9999) return 5;
    return 0;
}

int Rounded(float value) {
    return static_cast<int>(std::nearbyint(value));
}

const std::string& Entry(const TTextStrings* texts, int entry) {
    static const std::string none;
    return texts != nullptr ? texts->UpgradeDescs(entry) : none;
}

} // namespace

TBuySlotsInfo::TBuySlotsInfo() {
    blink_.Init(BlinkLow, BlinkHigh, 1, 1);
}

void TBuySlotsInfo::Show(int island, int slot, const TBuySlotData& data) {
    if (island != island_ || slot != slot_) alpha_ = 0;
    island_ = island;
    slot_ = slot;
    data_ = data;
    for (int line = 0; line < LinesPerSlot; ++line)
        lines_[line] =
            TextStringsComp != nullptr
                ? TextStringsComp->UpgradeDescs((data.IconIdx - 1) * LinesPerSlot + line + 1)
                : std::string();
    targetAlpha_ = FullChannel;
}

void TBuySlotsInfo::HideNow() {
    alpha_ = 0;
    targetAlpha_ = 0;
}

bool TBuySlotsInfo::PriceUncovered(TElementKind kind) const {
    return owned_[kind] < data_.Price[kind];
}

void TBuySlotsInfo::Tick() {
    blink_.Step();
    if (alpha_ < targetAlpha_)
        alpha_ = std::min(targetAlpha_, alpha_ + AlphaStep);
    else
        alpha_ = std::max(targetAlpha_, alpha_ - AlphaStep);
    if (alpha_ == 0) return;
    DrawImage(Pictures::ShopWindow, Left, Top, 0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel,
              static_cast<uint8_t>(alpha_), 0);
    const int x = Left + LeftMargin;
    DrawTexts(x);
    DrawPrices();
    DrawUpgrade(x);
    DrawPurse();
}

void TBuySlotsInfo::Text(int x, int y, const std::string& text, float ratio, int color) const {
    if (GlobGameText != nullptr)
        GlobGameText->DrawText(x, y, text, ratio, TextSpacing, alpha_, NoWidthLimit, color);
}

void TBuySlotsInfo::DrawTexts(int x) {
    Text(x, Top + TitleY, data_.Title + " " + data_.Description, MainTitleTextRatio, Yellow);
    for (int line = 0; line < LinesPerSlot; ++line)
        Text(x, Top + LineY[line], lines_[line], DescTextRatio, White);
    Text(x, Top + BonusY, Entry(TextStringsComp, BonusLabelEntry), SubTitleTextRatio, White);
    Text(x + BonusNumberOffset.X, Top + BonusNumberOffset.Y,
         "+" + std::to_string(data_.BonusPercent) + "%", SubTitleTextRatio * BonusNumberScale,
         White);
    Text(x, Top + PriceLabelY, Entry(TextStringsComp, PriceLabelEntry), SubTitleTextRatio, Yellow);
}

void TBuySlotsInfo::DrawPrices() {
    int x = Left + PricesLeft;
    bool anyUncovered = false;
    for (size_t kind = 0; kind < ElementKinds; ++kind) {
        const int price = Rounded(data_.Price[kind]);
        if (price <= 0) continue;
        DrawImage(Pictures::ElementIcons, x, Top + PriceIconY, 0, 0, 0, 1, 1, FullChannel,
                  FullChannel, FullChannel, static_cast<uint8_t>(alpha_), static_cast<int>(kind));
        const bool uncovered = PriceUncovered(static_cast<TElementKind>(kind));
        anyUncovered = anyUncovered || uncovered;
        // An uncovered price blinks.
        if (!uncovered || blink_.Value() >= 0) {
            const std::string number = std::to_string(price);
            Text(x + PriceNumberOffset.X + 1, Top + PriceNumberOffset.Y + 1, number,
                 PriceNumberRatio, Black);
            Text(x + PriceNumberOffset.X, Top + PriceNumberOffset.Y, number, PriceNumberRatio,
                 uncovered ? Red : White);
        }
        x += PriceStep;
    }
    if (!anyUncovered) return;
    const std::string& warning = Entry(TextStringsComp, WarningEntry);
    Text(Left + WarningShadow.X, Top + WarningShadow.Y, warning, SubTitleTextRatio, Black);
    Text(Left + WarningText.X, Top + WarningText.Y, warning, SubTitleTextRatio, Red);
}

void TBuySlotsInfo::DrawUpgrade(int x) {
    if (data_.Upgrade == upNone || data_.Upgrade > UpgradeCount) return;
    Text(x, Top + UpgradeLabelY, Entry(TextStringsComp, UpgradeLabelEntry), SubTitleTextRatio,
         White);
    DrawImage(Pictures::ShopUpgradeSprites, x + UpgradeSpriteOffset.X, Top + UpgradeSpriteOffset.Y,
              0, 0, 0, 1, 1, FullChannel, FullChannel, FullChannel, static_cast<uint8_t>(alpha_),
              data_.Upgrade - 1);
    if (TextStringsComp != nullptr)
        Text(x + UpgradeTextOffset.X, Top + UpgradeTextOffset.Y,
             TextStringsComp->BonusElements(data_.Upgrade), DescTextRatio, White);
}

void TBuySlotsInfo::DrawPurse() {
    for (int kind = 1; kind <= static_cast<int>(ElementKinds); ++kind) {
        const TPoint icon = ImageTileSize(Pictures::ElementIcons);
        DrawImage(Pictures::ElementIcons, Left + PurseIconStep * kind - PurseIconShift - icon.X / 2,
                  Top + PurseIconY - icon.Y / 2, 0, 0, 0, 1, 1, FullChannel, FullChannel,
                  FullChannel, static_cast<uint8_t>(alpha_), kind - 1);
        const int count = Rounded(owned_[kind - 1]);
        Text(ElementsCountLeft + (kind - 1) * ElementsCountGap + PadFor(count), ElementsCountTop,
             std::to_string(count), PurseRatio, White);
    }
}
