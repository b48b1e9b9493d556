#include "files/TextEncoding.h"

namespace {

// Latin-1's upper half is two bytes in UTF-8: 110000xx 10xxxxxx, so only C2 and C3 lead it.
constexpr unsigned char TrailBits = 0x80;
constexpr unsigned char TrailMask = 0x3F;
constexpr unsigned char LeadBits = 0xC0;
constexpr unsigned char Latin1Lead = 0xC2;
constexpr unsigned char Latin1LeadMask = 0x03;

bool IsTrail(unsigned char byte) {
    return (byte & ~TrailMask) == TrailBits;
}

} // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < TrailBits) {
            utf8 += c;
            continue;
        }
        utf8 += static_cast<char>(LeadBits | (byte >> 6));
        utf8 += static_cast<char>(TrailBits | (byte & TrailMask));
    }
    return utf8;
}

std::string Utf8ToLatin1(std::string_view utf8, bool& lossless) {
    std::string latin1;
    lossless = true;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < TrailBits) {
            latin1 += utf8[i];
        } else if ((byte & ~1u) == Latin1Lead && i + 1 < utf8.size() &&
                   IsTrail(static_cast<unsigned char>(utf8[i + 1]))) {
            const auto trail = static_cast<unsigned char>(utf8[++i]);
            latin1 += static_cast<char>(((byte & Latin1LeadMask) << 6) | (trail & TrailMask));
        } else {
            // Beyond Latin-1 (its trail bytes are skipped one by one) or broken.
            lossless = false;
        }
    }
    return latin1;
}
