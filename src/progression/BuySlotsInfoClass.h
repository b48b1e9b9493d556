#pragma once
// TBuySlotsInfo: the shop window that fades in while the mouse rests on a buy button: the work's
// name and story, its share of the haven, its price against the purse (a price the purse does not
// cover blinks in red), the element its upgrade improves, and the purse.
#include "engine/ValueUpDownClass.h"
#include "progression/BuySlotsClass.h"

class TBuySlotsInfo {
public:
    TGlobalGameText* GlobGameText = nullptr;
    const TTextStrings* TextStringsComp = nullptr;
    int Left = 0;
    int Top = 0;
    int ElementsCountLeft = 315;
    int ElementsCountTop = 569;
    int ElementsCountGap = 123;
    int LeftMargin = 101;
    int AlphaStep = 20;
    float MainTitleTextRatio = 0.8f;
    float SubTitleTextRatio = 0.59f;
    float DescTextRatio = 0.56f;

    TBuySlotsInfo();

    void Show(int island, int slot, const TBuySlotData& data);
    void SetOwnedCounts(const TElementsCount& owned) { owned_ = owned; }
    // Fades out.
    void Hide() { targetAlpha_ = 0; }
    void HideNow();
    void Tick();

    int Alpha() const { return alpha_; }
    // A price of the shown slot that the purse does not cover.
    bool PriceUncovered(TElementKind kind) const;

private:
    void DrawTexts(int x);
    void DrawPrices();
    void DrawUpgrade(int x);
    void DrawPurse();
    void Text(int x, int y, const std::string& text, float ratio, int color) const;

    TBuySlotData data_{};
    int island_ = 0;
    int slot_ = 0;
    std::array<std::string, 3> lines_{};
    TElementsCount owned_{};
    int alpha_ = 0;
    int targetAlpha_ = 0;
    TValueUpDown blink_;
};
