#include "effects/CombosClass.h"

#include "effects/EffectPattern.h"
#include "engine/GameGlobals.h"
#include "engine/ImageDrawing.h"
#include "engine/PictureNames.h"
#include "engine/SoundByName.h"

#include <algorithm>

namespace {

constexpr double PopMaxRatio = 1.35;
constexpr double PopUpStep = 0.1;
constexpr double PopDownStep = 0.065;
constexpr float TiltLimit = 15;
constexpr float TiltStep = 4.2f;
constexpr float PulseLow = 1.0f;
constexpr float PulseHigh = 1.05f;
constexpr float PulseStep = 0.005f;
constexpr float TiltShare = 3; // the label turns by a third of the tilt
constexpr int AlphaStep = 25;
constexpr uint8_t FirstComboSize = 4;
constexpr uint8_t LoudComboSize = 6;

// The largest count of masked cells holding one element code (1..18).
int LargestSameCodeCount(const TBoardData& board, const TSimpleObjectArray& mask) {
    int counts[ecPotion2 + 1]{};
    ForEachMaskedCell(mask, [&](TPoint cell) {
        const int code = board(cell).ElementCode;
        if (code >= 1 && code <= ecPotion2) ++counts[code];
    });
    return *std::max_element(std::begin(counts), std::end(counts));
}

// The centre of the bounding box of the masked cells.
TPoint CentreOfCells(const TSimpleObjectArray& mask) {
    int minX = BoardColumns, maxX = 1, minY = BoardRows, maxY = 1;
    ForEachMaskedCell(mask, [&](TPoint cell) {
        minX = std::min(minX, cell.X);
        maxX = std::max(maxX, cell.X);
        minY = std::min(minY, cell.Y);
        maxY = std::max(maxY, cell.Y);
    });
    const TPoint corner = TileScreenPos({minX, minY});
    return {corner.X + TileSize / 2 + ((maxX - minX) * TileSize) / 2,
            corner.Y + TileSize / 2 + ((maxY - minY) * TileSize) / 2};
}

} // namespace

TCombos::TCombos() {
    tilt_.Init(-TiltLimit, TiltLimit, TiltStep, TiltStep);
    pulse_.Init(PulseLow, PulseHigh, PulseStep, PulseStep);
    for (TComboLabel& label : labels_)
        label.Pop.SetupRatios(1, 1, PopMaxRatio, PopUpStep, PopDownStep);
}

void TCombos::CheckCombo(const TBoardData& newBoardData, const TSimpleObjectArray& groupedFruits) {
    const int count = LargestSameCodeCount(newBoardData, groupedFruits);
    if (count < MinMatchXCount || count > MaxMatchXCount) return;
    const TPoint centre = CentreOfCells(groupedFruits);
    PlaySound(count >= LoudComboSize ? "Combo" : "MatchX");
    const auto free = std::find_if(labels_.begin(), labels_.end(),
                                   [](const TComboLabel& label) { return !label.Active; });
    // With every slot showing, the sound alone tells of the combo.
    if (free == labels_.end()) return;
    free->Active = true;
    free->MatchXCount = static_cast<uint8_t>(count);
    free->ShownMs = 0;
    free->Alpha = 0;
    free->Pos = {centre.X - LabelHalf.X, centre.Y - LabelHalf.Y};
    free->Pop.Pop(free->Pos);
}

void TCombos::Tick() {
    if (!Visible) return;
    tilt_.Step();
    pulse_.Step();
    for (TComboLabel& label : labels_) {
        if (!label.Active) continue;
        label.Pop.Update();
        const bool done = AdvanceTickTimer(label.ShownMs, ShowingTime);
        label.Alpha = std::min(255, label.Alpha + AlphaStep);
        Draw(label);
        if (!done) continue;
        label.Active = false;
        if (OnAComboDoneShowing) OnAComboDoneShowing(label.MatchXCount, label.Pos);
    }
}

void TCombos::Clear() {
    for (TComboLabel& label : labels_) label.Active = false;
}

int TCombos::ActiveCount() const {
    return static_cast<int>(std::count_if(labels_.begin(), labels_.end(),
                                          [](const TComboLabel& label) { return label.Active; }));
}

void TCombos::Draw(const TComboLabel& label) const {
    const auto scale = static_cast<float>(pulse_.Value() * label.Pop.Ratio);
    DrawImage(Pictures::ComboText, label.Pos.X, label.Pos.Y, tilt_.Value() / TiltShare, 0.5f, 0.5f,
              scale, scale, 255, 255, 255, static_cast<uint8_t>(label.Alpha),
              label.MatchXCount - FirstComboSize);
}
