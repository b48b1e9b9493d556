#include "engine/RecordingImageTarget.h"

std::vector<TRecordedImageCall> TRecordingImageTarget::CallsOf(std::string_view name) const {
    std::vector<TRecordedImageCall> result;
    for (const auto& call : Calls)
        if (call.Name == name) result.push_back(call);
    return result;
}

void TRecordingImageTarget::DrawNamedEx(std::string_view name, int x, int y, float angle,
                                        float centerX, float centerY, float scaleX, float scaleY,
                                        uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha,
                                        int patternIndex, int blendMode) {
    TRecordedImageCall call{
        std::string(name), x, y, angle, centerX, centerY, scaleX, scaleY, red, green, blue, alpha};
    call.Color = (uint32_t{alpha} << 24) | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
    call.PatternIndex = patternIndex;
    call.BlendMode = blendMode;
    Calls.push_back(std::move(call));
}

void TRecordingImageTarget::DrawNamedColored(std::string_view name, int x, int y, float angle,
                                             float centerX, float centerY, float scaleX,
                                             float scaleY, uint32_t color, bool flipVertical,
                                             bool flipHorizontal, int patternIndex, int blendMode) {
    TRecordedImageCall call{std::string(name), x, y, angle, centerX, centerY, scaleX, scaleY};
    call.Alpha = static_cast<uint8_t>(color >> 24);
    call.Red = static_cast<uint8_t>(color >> 16);
    call.Green = static_cast<uint8_t>(color >> 8);
    call.Blue = static_cast<uint8_t>(color);
    call.Color = color;
    call.FlipVertical = flipVertical;
    call.FlipHorizontal = flipHorizontal;
    call.PatternIndex = patternIndex;
    call.BlendMode = blendMode;
    Calls.push_back(std::move(call));
}

TPoint TRecordingImageTarget::NamedTileSize(std::string_view name) {
    auto found = TileSizes.find(name);
    return found != TileSizes.end() ? found->second : DefaultTileSize;
}

void TRecordingImageTarget::DrawNamedRect(std::string_view name, const TRect& source, int x, int y,
                                          uint8_t alpha) {
    TRecordedImageCall call{std::string(name), x, y};
    call.Alpha = alpha;
    call.Color = (uint32_t{alpha} << 24) | 0xFFFFFF;
    call.PatternIndex = WholePicture;
    call.Source = source;
    Calls.push_back(std::move(call));
}
