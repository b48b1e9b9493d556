#include "engine/OmegaScreen.h"

#include "engine/OmegaImageList.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
inline uint32_t ModulateChannel(uint32_t color, int shift, uint32_t screenChannel) {
    return ((((color >> shift) & 0xFF) * screenChannel) >> 8) << shift;
}
} // namespace

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
    TQuadCorners out;
    const bool turned = ScaleX != 1 || ScaleY != 1 || Rotation != 0;
    float cosR = 1;
    float sinR = 0;
    if (Rotation != 0) {
        const double radians = Rotation * std::numbers::pi / 180.0;
        cosR = static_cast<float>(std::cos(radians));
        sinR = static_cast<float>(std::sin(radians));
    }
    for (int i = 0; i < 4; ++i) {
        const TQuadVertex& in = corners[i];
        TQuadVertex& v = out[i];
        v.U = in.U;
        v.V = in.V;
        v.Color = ModulateChannel(in.Color, 24, Alpha) | ModulateChannel(in.Color, 16, Red) |
                  ModulateChannel(in.Color, 8, Green) | ModulateChannel(in.Color, 0, Blue);
        if (!turned) {
            v.X = in.X + static_cast<float>(OffsetX);
            v.Y = in.Y + static_cast<float>(OffsetY);
            continue;
        }
        const float dx = ScaleX * (in.X - static_cast<float>(CenterX));
        const float dy = ScaleY * (in.Y - static_cast<float>(CenterY));
        v.X = static_cast<float>(CenterX + OffsetX) + dx * cosR - dy * sinR;
        v.Y = static_cast<float>(CenterY + OffsetY) + dx * sinR + dy * cosR;
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
