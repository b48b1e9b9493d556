#include "board/LevelParamsClass.h"

#include "engine/GameGlobals.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

TLevelParams::TLevelParams() {
    OnMessageBox = [](const std::string& message) { std::cerr << message << '\n'; };
    OnLogMessage = [](const std::string& line) { std::cerr << line << '\n'; };
}

std::string TLevelParams::LevelFileName(int islandIdx, int variant) {
    char name[48];
    std::snprintf(name, sizeof name, "Level%d-%2.2d.zel", islandIdx, variant);
    return name;
}

int TLevelParams::ChooseVariant(uint8_t islandIdx, int levelIdx) {
    // An island the game does not have has no replay range; its file is simply not found.
    if (islandIdx < 1 || islandIdx > IslandCount) return levelIdx;
    const int island = islandIdx - 1;
    int variant = levelIdx;
    if (levelIdx > UpperVariants[island]) {
        // Past the island's last level file: replay one, never the same twice in a row.
        const int range = UpperVariants[island] - LowerVariants[island] + 1;
        for (int draw = 0; draw < 100; ++draw) {
            variant = LowerVariants[island] + Random(range);
            if (variant != LastVariants[island]) break;
        }
    }
    LastVariants[island] = static_cast<uint8_t>(variant);
    return variant;
}

bool TLevelParams::HasLevelFile(uint8_t islandIdx, int levelIdx) const {
    int variant = levelIdx;
    if (islandIdx >= 1 && islandIdx <= IslandCount && levelIdx > UpperVariants[islandIdx - 1])
        variant = LowerVariants[islandIdx - 1];
    std::error_code error;
    return std::filesystem::is_regular_file(LevelFilesPath + LevelFileName(islandIdx, variant),
                                            error);
}

bool TLevelParams::LoadLevel(uint8_t islandIdx, int levelIdx) {
    LastVariant = 1;
    LastVariant = ChooseVariant(islandIdx, levelIdx);
    LastFileName = LevelFileName(islandIdx, LastVariant);
    const std::string path = LevelFilesPath + LastFileName;

    TLevelRecord record;
    const TLevelFileRead read = ReadLevelFile(path, record);
    switch (read.Status) {
    case TLevelFileStatus::Missing:
        if (OnMessageBox) OnMessageBox("Level file not found: " + path);
        return false;
    case TLevelFileStatus::Unreadable:
        if (OnMessageBox)
            OnMessageBox("Level file cannot be read: " + path + " (" + read.Cause + ")");
        return false;
    case TLevelFileStatus::Damaged:
        if (OnMessageBox) OnMessageBox("Level file damaged: " + path);
        return false;
    case TLevelFileStatus::Read:
        break;
    }
    for (const TLevelProblem& problem : ValidateLevelRecord(record)) {
        if (!OnLogMessage) break;
        const std::string action = problem.Correction.empty() ? "kept" : problem.Correction;
        OnLogMessage(LastFileName + ": " + problem.Text + "; " + action);
    }
    Level = record;
    Loaded = true;
    return true;
}

void TLevelParams::ResetLastVariants() {
    for (uint8_t& variant : LastVariants) variant = 0;
}

int32_t TLevelParams::TargetOfCode(int code) const {
    const auto field = TargetFieldOfCode(code);
    return field ? Level[*field] : 0;
}

int32_t TLevelParams::GoldTileTarget() const {
    int32_t sum = 0;
    for (const auto& column : Level.FrameLayers.Cells)
        for (uint8_t layers : column) sum += layers;
    return sum;
}

int32_t TLevelParams::PotionTarget() const {
    int32_t count = 0;
    for (const auto& column : Level.PotionCells.Cells)
        for (uint8_t cell : column) count += cell != 0;
    return count;
}

int32_t TLevelParams::SilverReqTime() const {
    return RoundHalfEven(Time() * 0.65);
}

int32_t TLevelParams::GoldReqTime() const {
    return RoundHalfEven(Time() * 0.4);
}
