// Pictures: a header that claims a huge size is refused before anything is allocated, and a
// file that is no regular picture file is a decode error naming it, never a crash.
#include "engine/ImageCodec.h"

#include "TempFolder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <zlib.h>

namespace {

void PutBigEndian(std::string& bytes, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift);
}

void PutChunk(std::string& png, const char* type, const std::string& data) {
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    const std::string typed = type + data;
    png += typed;
    PutBigEndian(png, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(typed.data()),
                                                  static_cast<uInt>(typed.size()))));
}

// A PNG of a few dozen bytes whose header claims width x height (RGBA, 8 bits); its one data
// chunk holds a single row's worth at most.
std::string PngHeader(uint32_t width, uint32_t height) {
    std::string png = "\x89PNG\r\n\x1A\n";
    std::string header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header += std::string("\x08\x06\x00\x00\x00", 5);
    PutChunk(png, "IHDR", header);
    const Bytef row[2] = {0, 0};
    Bytef packed[32];
    uLongf packedSize = sizeof packed;
    compress(packed, &packedSize, row, sizeof row);
    PutChunk(png, "IDAT", std::string(reinterpret_cast<char*>(packed), packedSize));
    PutChunk(png, "IEND", "");
    return png;
}

// A real 8 x 8 JPEG whose frame header then claims width x height.
std::string JpegHeader(uint16_t width, uint16_t height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 8;
    info.image_height = 8;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    unsigned char row[8 * 3] = {};
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string jpeg(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    // Baseline frame marker: length (2), precision (1), height (2), width (2).
    const size_t frame = jpeg.find("\xFF\xC0");
    if (frame == std::string::npos) return {};
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

class ImageCodec : public ::testing::Test {
protected:
    TTempFolder Folder{"image-codec"};

    // The decode error's message; "" when the picture decoded.
    std::string DecodeError(const std::string& name, const std::string& bytes) {
        Folder.Write(name, bytes);
        return DecodeError(Folder.Path() + name);
    }
    static std::string DecodeError(const std::string& path) {
        try {
            DecodePictureFile(path);
        } catch (const TImageDecodeError& error) {
            return error.what();
        }
        return {};
    }
};

TEST_F(ImageCodec, AHugePngHeaderIsRefusedBeforeDecoding) {
    const std::string huge = PngHeader(1'000'000, 1'000'000);
    EXPECT_LT(huge.size(), 80u);
    EXPECT_EQ(DecodeError("Huge.png", huge),
              "Cannot decode PNG " + Folder.Path() +
                  "Huge.png: its header claims 1000000 x 1000000 pixels, more than 8192 on a "
                  "side or 64000000 in all");
    for (const auto& [width, height] : {std::pair{8193u, 1u}, {1u, 8193u}, {8192u, 8192u}})
        EXPECT_NE(DecodeError("Wide.png", PngHeader(width, height)).find("header claims"),
                  std::string::npos)
            << width << " x " << height;
    // Our largest picture passes the caps; this one then fails on its missing rows.
    const std::string largest = DecodeError("Largest.png", PngHeader(4098, 768));
    EXPECT_NE(largest, "");
    EXPECT_EQ(largest.find("header claims"), std::string::npos) << largest;
}

TEST_F(ImageCodec, AHugeJpegHeaderIsRefusedBeforeDecoding) {
    ASSERT_EQ(DecodeError("Small.jpg", JpegHeader(8, 8)), "") << "the unpatched picture decodes";
    EXPECT_EQ(DecodeError("Huge.jpg", JpegHeader(60000, 60000)),
              "Cannot decode JPEG " + Folder.Path() +
                  "Huge.jpg: its header claims 60000 x 60000 pixels, more than 8192 on a side or "
                  "64000000 in all");
    EXPECT_NE(DecodeError("Tall.jpg", JpegHeader(8, 9000)).find("header claims"),
              std::string::npos);
}

TEST_F(ImageCodec, WhatIsNoPictureFileIsADecodeErrorNamingIt) {
    std::filesystem::create_directory(Folder.Path() + "Folder.png");
    std::filesystem::create_symlink("/dev/zero", Folder.Path() + "Zero.png");
    Folder.Write("Big.png", std::string(MaxPictureFileBytes + 1, '\0'));
    const struct {
        std::string Name;
        std::string Cause;
    } cases[] = {
        {"Gone.png", "No such file or directory"},
        {"Folder.png", "not a regular file but a folder"},
        {"Zero.png", "not a regular file but a device"},
        {"Big.png", "larger than the 33554432 bytes allowed (33554433 bytes)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeError(Folder.Path() + c.Name),
                  "Cannot read picture " + Folder.Path() + c.Name + ": " + c.Cause);
}

TEST_F(ImageCodec, EncodedFramesAreWrittenWholeAndNeverOverADevice) {
    const uint32_t pixels[4] = {0xFF102030u, 0x80FFFFFFu, 0u, 0xFF000000u};
    ASSERT_TRUE(EncodePngFile(Folder.Path() + "Shot.png", 2, 2, pixels));
    const TPicture shot = DecodePngFile(Folder.Path() + "Shot.png");
    EXPECT_EQ(shot.Width, 2);
    EXPECT_EQ(shot.Pixels[0], 0xFF102030u);
    EXPECT_FALSE(EncodePngFile("/dev/full", 2, 2, pixels));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()), {}), 1);
}

} // namespace
