#include "board/LevelFile.h"

#include "LevelTestSupport.h"

#include <gtest/gtest.h>

using namespace levels_test;

namespace {

int32_t Int32At(const std::array<uint8_t, LevelRecordSize>& bytes, size_t offset) {
    return static_cast<int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                                static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

// The file layout, written out once more from the level-file table.
struct TLayoutEntry {
    TLevelField Field;
    size_t Offset;
    size_t Size;
};
const TLayoutEntry FileLayout[] = {
    {lfObjective, 0, 1},
    {lfTargetBananas, 4, 4},
    {lfTargetStrawberries, 8, 4},
    {lfTargetApples, 12, 4},
    {lfTargetPlums, 16, 4}, // plums come fourth in the file although their code is 6
    {lfTargetGrapes, 20, 4},
    {lfTargetOranges, 24, 4},
    {lfTargetCherries, 28, 4},
    {lfTargetGuavas, 32, 4},
    {lfTargetFlower1, 36, 4},
    {lfTargetFlower2, 40, 4},
    {lfTargetFlower3, 44, 4},
    {lfTargetFlower4, 48, 4},
    {lfTargetSpiders, 52, 4},
    {lfTime, 88, 4},
    {lfSpiderFruitsInterval, 4508, 4},
    {lfMaxSpidersOnBoard, 4512, 4},
    {lfMaxWebs, 4516, 4},
    {lfOneWebEveryProb, 4520, 4},
    {lfFullRequiredFruits, 4524, 4},
    {lfOneUniFruitEveryInterval, 4528, 4},
    {lfMaxUniFruitOnBoard, 4532, 1},
    {lfBonusElementKind, 4536, 1},
    {lfBonusElementCount, 4540, 4},
    {lfBossEnergy, 4544, 4},
    {lfBossRefTimeForAbsorbAttempt, 4548, 4},
    {lfBossHitsToCancelAbsorbAttempt, 4552, 4},
    {lfBossOneAbsorbedTime, 4556, 4},
    {lfBossPreparingTime, 4560, 4},
    {lfBossAbsorbingTime, 4564, 4},
    {lfBossFinishingTime, 4568, 4},
};

TEST(LevelFile, EveryValueSitsAtItsOffset) {
    TLevelRecord record = DistinctRecord();
    record.Board(16, 12).WormTime = -123456789;
    record.Board(16, 12).FallOffset = 51;
    const auto bytes = EncodeLevelRecord(record);

    for (const TLayoutEntry& entry : FileLayout) {
        SCOPED_TRACE(LevelFieldInfo(entry.Field).Name);
        const int32_t stored = entry.Size == 1 ? bytes[entry.Offset] : Int32At(bytes, entry.Offset);
        EXPECT_EQ(stored, record[entry.Field]);
    }
    for (int code : {1, 2, 5, 9, 13, 16, 18})
        EXPECT_TRUE(bytes[56 + code / 8] & (1 << code % 8)) << code;
    EXPECT_EQ(bytes[56], 0b0010'0110); // codes 1, 2, 5
    // Tile (x, y) at 92 + (x-1)*240 + (y-1)*20; the grids column-major at 3932 and 4124.
    const size_t lastTile = 92 + 3820;
    EXPECT_EQ(bytes[92 + 240 + 20], record.Board(2, 2).ObjectKind);
    EXPECT_EQ(bytes[lastTile + 1], record.Board(16, 12).BackgroundStyle);
    EXPECT_EQ(bytes[lastTile + 5], record.Board(16, 12).ChainLevel);
    EXPECT_EQ(Int32At(bytes, lastTile + 8), -123456789);
    EXPECT_EQ(Int32At(bytes, lastTile + 16), 51);
    EXPECT_EQ(bytes[3932 + 15 * 12 + 11], record.FrameLayers(16, 12));
    EXPECT_EQ(bytes[4124 + 2 * 12 + 11], record.PotionCells(3, 12));
    // The unread areas stay zero.
    for (size_t offset = 4316; offset < 4508; ++offset) ASSERT_EQ(bytes[offset], 0) << offset;
    for (size_t offset : {1, 2, 3, 4533, 4534, 4535, 4537, 4538, 4539}) EXPECT_EQ(bytes[offset], 0);

    EXPECT_EQ(*DecodeLevelRecord(bytes), record);
}

TEST(LevelFile, TargetsGoByElementCode) {
    EXPECT_EQ(TargetFieldOfCode(4), lfTargetGrapes);
    EXPECT_EQ(TargetFieldOfCode(6), lfTargetPlums);
    EXPECT_EQ(TargetFieldOfCode(13), lfTargetFlower1);
    EXPECT_EQ(TargetFieldOfCode(16), lfTargetFlower4);
    for (int code : {0, 9, 12, 17, 18, 101}) EXPECT_FALSE(TargetFieldOfCode(code)) << code;
}

TEST(LevelFile, ReadsWholeRecordsOrNothing) {
    TScratchFolder folder;
    const TLevelRecord original = DistinctRecord();
    const std::string bytes = Bytes(original);
    const auto status = [](const std::string& path, TLevelRecord& record) {
        return ReadLevelFile(path, record).Status;
    };

    TLevelRecord record;
    EXPECT_EQ(status(folder / "none.zel", record), TLevelFileStatus::Missing);
    EXPECT_EQ(status(folder / "no-folder/none.zel", record), TLevelFileStatus::Missing);

    WriteAll(folder / "short.zel", bytes.substr(0, LevelRecordSize - 1));
    EXPECT_EQ(ReadLevelFile(folder / "short.zel", record).Cause, "4571 bytes, not 4572");
    WriteAll(folder / "empty.zel", "");
    EXPECT_EQ(status(folder / "empty.zel", record), TLevelFileStatus::Damaged);
    // A longer file is no level either, even though a whole record starts it.
    WriteAll(folder / "long.zel", bytes + "trailing");
    EXPECT_EQ(status(folder / "long.zel", record), TLevelFileStatus::Damaged);
    EXPECT_EQ(record, TLevelRecord{}) << "a failed read must leave the record alone";

    WriteAll(folder / "whole.zel", bytes);
    ASSERT_EQ(status(folder / "whole.zel", record), TLevelFileStatus::Read);
    EXPECT_EQ(record, original);
}

TEST(LevelFile, WhatCannotBeReadIsNotCalledDamaged) {
    TScratchFolder folder;
    TLevelRecord record;
    std::filesystem::create_directory(folder / "folder.zel");
    const TLevelFileRead read = ReadLevelFile(folder / "folder.zel", record);
    EXPECT_EQ(read.Status, TLevelFileStatus::Unreadable);
    EXPECT_EQ(read.Cause, "not a regular file but a folder");
    std::filesystem::create_symlink("/dev/zero", folder / "zero.zel");
    EXPECT_EQ(ReadLevelFile(folder / "zero.zel", record).Status, TLevelFileStatus::Unreadable);

    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    WriteAll(folder / "secret.zel", Bytes(DistinctRecord()));
    std::filesystem::permissions(folder / "secret.zel", std::filesystem::perms::none);
    const TLevelFileRead secret = ReadLevelFile(folder / "secret.zel", record);
    EXPECT_EQ(secret.Status, TLevelFileStatus::Unreadable);
    EXPECT_EQ(secret.Cause, "Permission denied");
    EXPECT_EQ(record, TLevelRecord{});
}

TEST(LevelFile, WritesWholeFilesOnly) {
    TScratchFolder folder;
    const TLevelRecord record = DistinctRecord();
    EXPECT_EQ(WriteLevelFile(folder / "level.zel", record), "");
    EXPECT_EQ(ReadAll(folder / "level.zel"), Bytes(record));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Folder()), {}), 1)
        << "no temporary file is left";

    EXPECT_NE(WriteLevelFile(folder / "missing-folder/level.zel", record), "");
    // A failed write leaves an existing file as it was.
    std::filesystem::create_directory(folder / "taken");
    EXPECT_EQ(WriteLevelFile(folder / "taken", record), "will not write over a folder");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Folder()), {}), 2);
}

} // namespace
