#include "saves/RecordFields.h"

#include <bit>

namespace {

constexpr size_t Int32Size = 4;
constexpr int BitsPerByte = 8;

uint32_t GetBits(std::span<const uint8_t> bytes, size_t offset, size_t size) {
    uint32_t bits = 0;
    for (size_t i = 0; i < size; ++i)
        bits |= static_cast<uint32_t>(bytes[offset + i]) << (BitsPerByte * i);
    return bits;
}

void PutBits(std::span<uint8_t> bytes, size_t offset, size_t size, uint32_t bits) {
    for (size_t i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<uint8_t>(bits >> (BitsPerByte * i));
}

} // namespace

void TFieldReader::Field(size_t offset, uint16_t& value) const {
    value = static_cast<uint16_t>(GetBits(bytes_, offset, sizeof value));
}

void TFieldReader::Field(size_t offset, int32_t& value) const {
    value = static_cast<int32_t>(GetBits(bytes_, offset, Int32Size));
}

void TFieldReader::Field(size_t offset, float& value) const {
    value = std::bit_cast<float>(GetBits(bytes_, offset, Int32Size));
}

void TFieldReader::Field(size_t offset, size_t capacity, std::string& text) const {
    const size_t length = std::min<size_t>(bytes_[offset], capacity);
    const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    text.assign(first, first + static_cast<std::ptrdiff_t>(length));
}

void TFieldWriter::Field(size_t offset, const uint16_t& value) const {
    PutBits(bytes_, offset, sizeof value, value);
}

void TFieldWriter::Field(size_t offset, const int32_t& value) const {
    PutBits(bytes_, offset, Int32Size, static_cast<uint32_t>(value));
}

void TFieldWriter::Field(size_t offset, const float& value) const {
    PutBits(bytes_, offset, Int32Size, std::bit_cast<uint32_t>(value));
}

void TFieldWriter::Field(size_t offset, size_t capacity, const std::string& text) const {
    const size_t length = std::min(text.size(), capacity);
    bytes_[offset] = static_cast<uint8_t>(length);
    const auto first = bytes_.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    std::fill_n(first, capacity, 0);
    std::copy_n(text.begin(), length, first);
}
