#pragma once
// The kinds the text engine knows: which bitmap font, which language of the settings file.
#include <cstdint>

enum TGameFontKind : uint8_t { fkAirstripComment, fkAirstripNormal };
enum TSettingLoaderLanguage : uint8_t { laUS, laDE, laES, laFR, laIT, laNL, laBR, laSE };
