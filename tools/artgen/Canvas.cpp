#include "Canvas.h"

#include "files/AtomicWrite.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <jpeglib.h>
#include <png.h>
#include <span>
#include <stdexcept>
#include <vector>

TSurface NewSurface(int width, int height, cairo_format_t format) {
    TSurface surface(cairo_image_surface_create(format, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot make a surface of " + std::to_string(width) + "x" +
                                 std::to_string(height));
    return surface;
}

TContext NewContext(cairo_surface_t* surface) {
    return TContext(cairo_create(surface));
}

namespace {

// One horizontal box pass over `count` samples spaced `stride` apart.
void BoxLine(uint8_t* data, int count, int stride, int radius, std::vector<int>& sums) {
    sums.assign(count + 1, 0);
    for (int i = 0; i < count; ++i) sums[i + 1] = sums[i] + data[i * stride];
    for (int i = 0; i < count; ++i) {
        const int from = std::max(0, i - radius);
        const int to = std::min(count, i + radius + 1);
        data[i * stride] = static_cast<uint8_t>((sums[to] - sums[from]) / (2 * radius + 1));
    }
}

// Writes an encoded picture whole or not at all, making its folder as needed.
void SaveFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const std::string error = WriteFileAtomic(path, bytes);
    if (!error.empty()) throw std::runtime_error(path + ": " + error);
}

void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + length);
}

uint8_t Unpremultiply(uint32_t channel, uint32_t alpha) {
    return static_cast<uint8_t>((channel * 255 + alpha / 2) / alpha);
}

} // namespace

void Blur(cairo_surface_t* surface, int radius) {
    if (radius < 1) return;
    cairo_surface_flush(surface);
    uint8_t* data = cairo_image_surface_get_data(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const bool alphaOnly = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_A8;
    const int channels = alphaOnly ? 1 : 4;
    std::vector<int> sums;
    for (int pass = 0; pass < 3; ++pass) {
        for (int c = 0; c < channels; ++c) {
            for (int y = 0; y < height; ++y)
                BoxLine(data + y * stride + c, width, channels, radius, sums);
            for (int x = 0; x < width; ++x)
                BoxLine(data + x * channels + c, height, stride, radius, sums);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void WritePng(cairo_surface_t* surface, const std::string& path) {
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);

    std::vector<uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 4);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot encode " + path);
    }
    png_set_write_fn(png, &bytes, AppendPngBytes, nullptr);
    // Fast settings: the files are rebuilt often and read once per start.
    png_set_compression_level(png, 3);
    png_set_filter(png, 0, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[x];
            const uint32_t a = p >> 24;
            uint8_t* out = &row[x * 4];
            if (a == 0) {
                out[0] = out[1] = out[2] = out[3] = 0;
                continue;
            }
            out[0] = Unpremultiply((p >> 16) & 0xFF, a);
            out[1] = Unpremultiply((p >> 8) & 0xFF, a);
            out[2] = Unpremultiply(p & 0xFF, a);
            out[3] = static_cast<uint8_t>(a);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    SaveFile(path, bytes);
}

void WriteJpeg(cairo_surface_t* surface, const std::string& path, int quality) {
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);

    jpeg_compress_struct jpeg{};
    jpeg_error_mgr errors{};
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&jpeg, &buffer, &size);
    jpeg.image_width = width;
    jpeg.image_height = height;
    jpeg.input_components = 3;
    jpeg.in_color_space = JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, quality, TRUE);
    jpeg_start_compress(&jpeg, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    while (jpeg.next_scanline < jpeg.image_height) {
        const auto* pixels = reinterpret_cast<const uint32_t*>(data + jpeg.next_scanline * stride);
        for (int x = 0; x < width; ++x) {
            row[x * 3] = (pixels[x] >> 16) & 0xFF;
            row[x * 3 + 1] = (pixels[x] >> 8) & 0xFF;
            row[x * 3 + 2] = pixels[x] & 0xFF;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&jpeg, rows, 1);
    }
    jpeg_finish_compress(&jpeg);
    jpeg_destroy_compress(&jpeg);
    const std::vector<uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    SaveFile(path, bytes);
}
