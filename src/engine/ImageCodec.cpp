#include "engine/ImageCodec.h"

#include "files/AtomicWrite.h"
#include "files/FileRead.h"

#include <csetjmp>
#include <cstdio>
#include <png.h>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

std::string LowerExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
    std::string ext = path.substr(dot);
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext;
}

std::vector<unsigned char> ReadPictureFile(const std::string& path) {
    TFileContents contents = ReadWholeFile(path, MaxPictureFileBytes);
    if (!contents.Ok())
        throw TImageDecodeError("Cannot read picture " + path + ": " + contents.Error.Cause);
    return std::move(contents.Bytes);
}

// Empty when a picture of that size may be decoded, else why not.
std::string SizeProblem(unsigned long width, unsigned long height) {
    if (width <= static_cast<unsigned long>(MaxPictureSide) &&
        height <= static_cast<unsigned long>(MaxPictureSide) &&
        static_cast<unsigned long long>(width) * height <=
            static_cast<unsigned long long>(MaxPicturePixels))
        return {};
    return "its header claims " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, more than " + std::to_string(MaxPictureSide) + " on a side or " +
           std::to_string(MaxPicturePixels) + " in all";
}

struct JpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Decodes into picture; false with the decoder's message on failure. Nothing with a destructor
// lives between setjmp and the decoder calls.
bool DecodeJpegBytes(const std::vector<unsigned char>& bytes, TPicture& picture,
                     std::string& message) {
    jpeg_decompress_struct info{};
    JpegErrorManager errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = JpegErrorExit;
    std::vector<unsigned char> row;
    if (setjmp(errors.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        message = errors.Message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // Before the decoder allocates anything for the picture.
    if (message = SizeProblem(info.image_width, info.image_height); !message.empty()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    picture.Width = static_cast<int>(info.output_width);
    picture.Height = static_cast<int>(info.output_height);
    picture.Pixels.resize(static_cast<size_t>(picture.Width) * picture.Height);
    row.resize(static_cast<size_t>(picture.Width) * 3);
    while (info.output_scanline < info.output_height) {
        const auto y = info.output_scanline;
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        uint32_t* out = picture.Pixels.data() + static_cast<size_t>(y) * picture.Width;
        for (int x = 0; x < picture.Width; ++x)
            out[x] = 0xFF000000u | (uint32_t{row[x * 3]} << 16) | (uint32_t{row[x * 3 + 1]} << 8) |
                     row[x * 3 + 2];
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

TPicture DecodePngFile(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadPictureFile(path);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0)
        throw TImageDecodeError("Cannot decode PNG " + path + ": " + image.message);
    if (const std::string problem = SizeProblem(image.width, image.height); !problem.empty()) {
        png_image_free(&image);
        throw TImageDecodeError("Cannot decode PNG " + path + ": " + problem);
    }
    // BGRA bytes are ARGB words on a little-endian machine.
    image.format = PNG_FORMAT_BGRA;
    TPicture picture;
    picture.Width = static_cast<int>(image.width);
    picture.Height = static_cast<int>(image.height);
    picture.Pixels.resize(static_cast<size_t>(picture.Width) * picture.Height);
    if (png_image_finish_read(&image, nullptr, picture.Pixels.data(), 0, nullptr) == 0) {
        const std::string message = image.message;
        png_image_free(&image);
        throw TImageDecodeError("Cannot decode PNG " + path + ": " + message);
    }
    return picture;
}

TPicture DecodeJpegFile(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadPictureFile(path);
    TPicture picture;
    std::string message;
    if (!DecodeJpegBytes(bytes, picture, message))
        throw TImageDecodeError("Cannot decode JPEG " + path + ": " + message);
    return picture;
}

TPicture DecodePictureFile(const std::string& path, bool asJpeg) {
    const std::string ext = LowerExtension(path);
    if (asJpeg || ext == ".jpg" || ext == ".jpeg") return DecodeJpegFile(path);
    return DecodePngFile(path);
}

bool EncodePngFile(const std::string& path, int width, int height, const uint32_t* pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA;
    // Room for the worst case, so the picture is compressed once.
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    std::vector<uint8_t> bytes(size);
    if (png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels, 0, nullptr) == 0)
        return false;
    bytes.resize(size);
    return WriteFileAtomic(path, bytes).empty();
}

bool SaveFramePng(TGraphicsDevice& device, const std::string& path) {
    TFramePixels frame;
    if (!device.ReadFrame(frame)) return false;
    return EncodePngFile(path, frame.Width, frame.Height, frame.Pixels.data());
}
