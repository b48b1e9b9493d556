#pragma once
// The kinds the widgets share with the rest of the game: which mouse button, which pictures the
// question window's two buttons wear.
#include <cstdint>

// Mouse buttons as input routing hands them to the components.
enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
// "WindowYesButton" or "WindowOKButton".
enum TPositiveButtonKind : uint8_t { pbYes, pbOK };
// "WindowNoButton" or "WindowCancelButton".
enum TNegativeButtonKind : uint8_t { nbNo, nbCancel };
