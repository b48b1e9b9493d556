#pragma once
// Every effect test draws into a recorder, plays into a sound log and runs on a seeded generator
// with the board at its full-size origin.
#include "board/GameData.h"
#include "engine/GameGlobals.h"
#include "engine/RecordingImageTarget.h"
#include "engine/SoundByName.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class TSoundLog : public TNamedSoundTarget {
public:
    std::vector<std::string> Played;
    void Play(std::string_view name) override { Played.emplace_back(name); }
};

class EffectTest : public ::testing::Test {
protected:
    static constexpr TPoint Origin{266, 95};

    TRecordingImageTarget Recorder;
    TSoundLog Sounds;

    void SetUp() override {
        SetMainImageTarget(&Recorder);
        SetEffectSoundTarget(&Sounds);
        SetBoardScreenOrigin(Origin);
        SetReducedEffectsMode(false);
        SetRandomSeed(1234);
    }
    void TearDown() override {
        SetMainImageTarget(nullptr);
        SetEffectSoundTarget(nullptr);
        SetReducedEffectsMode(false);
        ReleaseRandomSeed();
    }

    static TPoint TileTopLeft(int x, int y) { return TileOrigin(Origin.X, Origin.Y, x, y); }

    // A board whose every tile holds the given element, and a mask of the given cells.
    static TBoardData BoardOf(uint8_t code) {
        TBoardData board;
        for (auto& column : board.Cells)
            for (TBoardTile& tile : column) tile = {okFruit, 0, 0, code};
        return board;
    }
    static TSimpleObjectArray MaskOf(std::initializer_list<TPoint> cells) {
        TSimpleObjectArray mask{};
        for (TPoint cell : cells) mask(cell) = 1;
        return mask;
    }
};
