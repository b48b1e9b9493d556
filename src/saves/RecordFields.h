#pragma once
// The fields every file of the data folder is made of, at their offsets: little-endian numbers,
// bytes, and short strings (a length byte, then the characters, zeros after them).
//
// Each record lists its fields once, in a function template that hands every field with its
// offset to a `TFieldReader` (decoding) or a `TFieldWriter` (encoding), so reading and writing
// cannot drift apart.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

using TRecordBytes = std::vector<uint8_t>;

class TFieldReader {
public:
    explicit TFieldReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    void Field(size_t offset, uint8_t& value) const { value = bytes_[offset]; }
    void Field(size_t offset, uint16_t& value) const;
    void Field(size_t offset, int32_t& value) const;
    void Field(size_t offset, float& value) const;
    template <size_t N> void Field(size_t offset, std::array<uint8_t, N>& value) const {
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), N, value.begin());
    }
    // A short string of `capacity` characters; a length byte above it is taken as the capacity.
    void Field(size_t offset, size_t capacity, std::string& text) const;

private:
    std::span<const uint8_t> bytes_;
};

class TFieldWriter {
public:
    explicit TFieldWriter(std::span<uint8_t> bytes) : bytes_(bytes) {}

    void Field(size_t offset, const uint8_t& value) const { bytes_[offset] = value; }
    void Field(size_t offset, const uint16_t& value) const;
    void Field(size_t offset, const int32_t& value) const;
    void Field(size_t offset, const float& value) const;
    template <size_t N> void Field(size_t offset, const std::array<uint8_t, N>& value) const {
        std::copy(value.begin(), value.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    // Cut to `capacity` characters; the unused ones become zeros.
    void Field(size_t offset, size_t capacity, const std::string& text) const;

private:
    std::span<uint8_t> bytes_;
};

// A record of type T from bytes holding a whole one, through its field list `fields(io, record)`.
template <typename T, typename TFields>
T DecodeFields(std::span<const uint8_t> bytes, TFields fields) {
    T record{};
    fields(TFieldReader(bytes), record);
    return record;
}

template <typename T, typename TFields>
TRecordBytes EncodeFields(const T& record, size_t size, TFields fields) {
    TRecordBytes bytes(size, 0);
    fields(TFieldWriter(bytes), record);
    return bytes;
}
