#pragma once
// The end state of a replay in one number: FNV-1a (64 bits) over the board grid field by field,
// the score and the gathering counts, each integer as little-endian bytes. It depends on no
// address, padding or standard library hash, so a fixture holds on every machine.
#include "board/GameData.h"

#include <array>
#include <cstdint>
#include <string>

using TGatheringCounts = std::array<int, IndividualElementKindCount>;

uint64_t ReplayChecksum(const TBoardData& grid, int score, const TGatheringCounts& remaining);

// 16 lower-case hex digits.
std::string ChecksumText(uint64_t checksum);
