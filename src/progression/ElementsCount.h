#pragma once
// A bundle of the five element kinds, in TElementKind order: a price, a purse, a level's
// earnings.
#include <array>
#include <cstddef>

inline constexpr size_t ElementKinds = 5;
inline constexpr int BuyIslands = 5;
inline constexpr int SlotsPerBuyIsland = 4;
inline constexpr int BuySlotCount = BuyIslands * SlotsPerBuyIsland;

using TElementsCount = std::array<float, ElementKinds>;

// Prices of (island 1..5, slot 1..4), island-major.
using TSlotPrices = std::array<std::array<TElementsCount, SlotsPerBuyIsland>, BuyIslands>;

// What an island gives once its four slots are bought: fruit, flower, potion, gold tile, spider.
inline constexpr std::array<TElementsCount, BuyIslands> IslandBundles = {{
    {155, 0, 0, 0, 8},
    {105, 0, 0, 0, 12},
    {110, 20, 0, 0, 9},
    {144, 41, 0, 0, 5},
    {153, 21, 1, 0, 14},
}};
