#pragma once
// "SlotPrices.dat": one 400-byte record, the price of every upgrade slot as five little-endian
// singles (fruit, flower, potion, gold tile, spider), island after island, slot after slot. The
// game reads it and the level tool writes it only through this unit.
#include "progression/ElementsCount.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

inline constexpr size_t SlotPricesRecordSize = 400;
inline constexpr const char* SlotPricesFileName = "SlotPrices.dat";

struct TSlotPricesRead {
    TSlotPrices Prices{};
    // One line for the log when the file was there but could not be used whole; empty when it
    // was read, or when there is no file (every price is then zero, as without prices).
    std::string Problem;
};

// A price that is not a finite number or is below zero is no price: 0.
float UsablePrice(float price);

// The record's prices; nothing from a record shorter than 400 bytes (bytes after it are not
// read).
bool DecodeSlotPrices(std::span<const uint8_t> bytes, TSlotPrices& prices);
std::vector<uint8_t> EncodeSlotPrices(const TSlotPrices& prices);

// Reads the file at `path`: a missing file gives zero prices without a problem; a file that
// cannot be read or is too short gives zero prices and says why; every price is usable.
TSlotPricesRead ReadSlotPricesFile(const std::string& path);
