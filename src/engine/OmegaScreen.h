#pragma once
// The screen: owns the link to the graphics device, clears and presents the frame, keeps the
// blend mode, and applies the screen-wide transform and colour to every quad.
#include "platform/GraphicsDevice.h"

#include <cstdint>
#include <functional>
#include <vector>

class TOmegaImageList;

class TOmegaScreen {
public:
    // Screen-wide transform and colour, applied to every vertex.
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
    int CenterX = 0;
    int CenterY = 0;
    int OffsetX = 0;
    int OffsetY = 0;
    float Rotation = 0;
    uint8_t Red = 255;
    uint8_t Green = 255;
    uint8_t Blue = 255;
    uint8_t Alpha = 255;
    bool ShowMouseCursor = true;
    int Width = 800;
    int Height = 600;
    bool FullScreen = false;
    // After the device is ready / before it lets go of its textures.
    std::function<void()> OnInit;
    std::function<void()> OnUnInit;

    TOmegaScreen() = default;
    ~TOmegaScreen();
    TOmegaScreen(const TOmegaScreen&) = delete;
    TOmegaScreen& operator=(const TOmegaScreen&) = delete;

    // The device to draw on: the game window, or an off-screen or recording device.
    void SetWindow(TGraphicsDevice* device) { device_ = device; }
    TGraphicsDevice* Device() const { return device_; }
    // Takes the device: cursor, render states, and every image list makes its textures.
    void Initialize();
    // Applies full screen and lets every image list make its textures again.
    bool ResetDevice();
    bool CanDraw() const { return initialized_ && deviceReady_ && device_ != nullptr; }

    void SetLinearFilter(bool linear);
    void Clear(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha);
    // False when no scene begins this frame (device not ready, or textures being restored).
    bool BeginScene();
    // Ends the scene and presents the frame.
    void EndScene();
    // Ends a scene that failed half-way without presenting it, so the next frame starts clean.
    void AbandonScene();
    bool SceneBegun() const { return sceneBegun_; }
    // -1 keeps the current mode; the device hears only of changes.
    void SetBlendMode(int mode);
    int BlendMode() const { return blendMode_; }

    // One quad after the screen-wide transform and colour (each channel x screen channel
    // shr 8, so 255 on a white screen arrives as 254).
    void SubmitQuad(TTextureId texture, const TQuadCorners& corners);

    // Image lists whose textures live on this screen's device.
    void AddImageList(TOmegaImageList* list);
    void RemoveImageList(TOmegaImageList* list);

private:
    uint32_t ModulatedColor(uint32_t color) const;
    void RestorePass();
    void ApplyRenderStates();

    TGraphicsDevice* device_ = nullptr;
    std::vector<TOmegaImageList*> imageLists_;
    int blendMode_ = 0;
    bool linearFilter_ = false;
    bool initialized_ = false;
    bool deviceReady_ = false;
    bool sceneBegun_ = false;
};
