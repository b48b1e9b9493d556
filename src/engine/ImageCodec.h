#pragma once
// Decoding the game's pictures (PNG with its alpha, JPEG) into ARGB pixels, and writing frames
// as PNG for screenshots.
#include "platform/GraphicsDevice.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A decoded picture: ARGB (alpha in the top byte), row by row.
struct TPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
    bool Empty() const { return Width < 1 || Height < 1; }
};

// Our largest picture is 4098 x 768; these leave room and keep a lying header from claiming
// gigabytes.
inline constexpr size_t MaxPictureFileBytes = 32 << 20;
inline constexpr int MaxPictureSide = 8192;
inline constexpr long long MaxPicturePixels = 64'000'000;

// A file that cannot be read or decoded, or a picture larger than the caps.
class TImageDecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

TPicture DecodePngFile(const std::string& path);
TPicture DecodeJpegFile(const std::string& path);
// As JPEG when asJpeg, otherwise by the file's extension (".jpg"/".jpeg" or PNG).
TPicture DecodePictureFile(const std::string& path, bool asJpeg = false);

// Writes ARGB pixels as a PNG with alpha, whole or not at all; false when the file cannot be
// written.
bool EncodePngFile(const std::string& path, int width, int height, const uint32_t* pixels);
// Saves the frame drawn so far on the device (a real screenshot of the game area).
bool SaveFramePng(TGraphicsDevice& device, const std::string& path);
