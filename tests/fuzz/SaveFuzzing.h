#pragma once
// What the fuzz targets of the data folder's readers share.
#include "saves/RecordFields.h"

#include <algorithm>
#include <cstdlib>

// The input as a reader takes it: cut, or filled with zeros, to a whole record.
inline TRecordBytes WholeRecord(const uint8_t* data, size_t size, size_t recordSize) {
    TRecordBytes bytes(data, data + std::min(size, recordSize));
    bytes.resize(recordSize, 0);
    return bytes;
}

// Aborts unless what the record writes reads back to the same bytes.
template <typename TRecord, typename TDecode, typename TEncode>
void CheckRoundTrip(const TRecord& record, TDecode decode, TEncode encode) {
    const TRecordBytes encoded = encode(record);
    if (encode(decode(encoded)) != encoded) std::abort();
}
