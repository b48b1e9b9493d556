#include "engine/OmegaScreen.h"

#include "engine/OmegaImageList.h"
#include "engine/OmegaRenderer.h"

#include <algorithm>

namespace {
inline uint32_t ModulateChannel(uint32_t color, int shift, uint32_t screenChannel) {
    return ((((color >> shift) & 0xFF) * screenChannel) >> 8) << shift;
}
// Every channel times the same screen channel, shr 8: two channels per multiplication.
inline uint32_t ModulateUniform(uint32_t color, uint32_t screenChannel) {
    const uint32_t redBlue = (((color & 0x00FF00FFu) * screenChannel) >> 8) & 0x00FF00FFu;
    const uint32_t alphaGreen = (((color >> 8) & 0x00FF00FFu) * screenChannel) & 0xFF00FF00u;
    return alphaGreen | redBlue;
}
} // namespace

uint32_t TOmegaScreen::ModulatedColor(uint32_t color) const {
    if (Red == Green && Green == Blue && Blue == Alpha) return ModulateUniform(color, Red);
    return ModulateChannel(color, 24, Alpha) | ModulateChannel(color, 16, Red) |
           ModulateChannel(color, 8, Green) | ModulateChannel(color, 0, Blue);
}

TOmegaScreen::~TOmegaScreen() {
    for (TOmegaImageList* list : imageLists_) list->OmegaScreen = nullptr;
    if (device_ != nullptr) device_->ShowCursor(true);
}

void TOmegaScreen::Initialize() {
    if (device_ == nullptr) return;
    device_->ShowCursor(ShowMouseCursor);
    initialized_ = true;
    deviceReady_ = true;
    blendMode_ = 0;
    linearFilter_ = false;
    ApplyRenderStates();
    RestorePass();
}

bool TOmegaScreen::ResetDevice() {
    if (device_ == nullptr) return false;
    // Textures the driver dropped are made again from the pictures; others are kept.
    const bool texturesLost = device_->NeedsRestore();
    for (TOmegaImageList* list : imageLists_) list->Release(texturesLost);
    if (OnUnInit) OnUnInit();
    device_->SetFullScreen(FullScreen);
    device_->ShowCursor(ShowMouseCursor);
    ApplyRenderStates();
    RestorePass();
    device_->Restored();
    return true;
}

void TOmegaScreen::ApplyRenderStates() {
    device_->SetBlendMode(blendMode_);
    device_->SetLinearFilter(linearFilter_);
}

void TOmegaScreen::RestorePass() {
    for (TOmegaImageList* list : imageLists_) list->Restore();
    if (OnInit) OnInit();
}

void TOmegaScreen::SetLinearFilter(bool linear) {
    linearFilter_ = linear;
    if (device_ != nullptr) device_->SetLinearFilter(linear);
}

void TOmegaScreen::Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha) {
    if (CanDraw()) device_->Clear(red, green, blue, alpha);
}

bool TOmegaScreen::BeginScene() {
    if (!CanDraw()) return false;
    if (device_->NeedsRestore()) {
        // No scene in the frame that restores the textures.
        ResetDevice();
        return false;
    }
    device_->BeginFrame();
    sceneBegun_ = true;
    return true;
}

void TOmegaScreen::EndScene() {
    if (!sceneBegun_) return;
    sceneBegun_ = false;
    device_->EndFrame(true);
}

void TOmegaScreen::AbandonScene() {
    if (!sceneBegun_) return;
    sceneBegun_ = false;
    device_->EndFrame(false);
}

void TOmegaScreen::SetBlendMode(int mode) {
    if (mode == -1 || mode == blendMode_) return;
    blendMode_ = mode;
    if (device_ != nullptr) device_->SetBlendMode(mode);
}

void TOmegaScreen::SubmitQuad(TTextureId texture, const TQuadCorners& corners) {
    if (!sceneBegun_) return;
    TQuadCorners out = {corners[0], corners[1], corners[2], corners[3]};
    // Sprites give all four corners one colour: modulate it once.
    const uint32_t firstColor = ModulatedColor(corners[0].Color);
    for (TQuadVertex& v : out)
        v.Color = v.Color == corners[0].Color ? firstColor : ModulatedColor(v.Color);
    if (ScaleX != 1 || ScaleY != 1 || Rotation != 0) {
        // Screen-wide scale and rotation about the centre, then the offset.
        TurnQuad(out, static_cast<float>(CenterX), static_cast<float>(CenterY), Rotation, ScaleX,
                 ScaleY, static_cast<float>(CenterX + OffsetX),
                 static_cast<float>(CenterY + OffsetY));
    } else if (OffsetX != 0 || OffsetY != 0) {
        for (TQuadVertex& v : out) {
            v.X += static_cast<float>(OffsetX);
            v.Y += static_cast<float>(OffsetY);
        }
    }
    device_->DrawQuad(texture, out);
}

void TOmegaScreen::AddImageList(TOmegaImageList* list) {
    if (std::find(imageLists_.begin(), imageLists_.end(), list) == imageLists_.end())
        imageLists_.push_back(list);
}

void TOmegaScreen::RemoveImageList(TOmegaImageList* list) {
    std::erase(imageLists_, list);
}
