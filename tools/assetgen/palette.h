#pragma once
// The colours the art shares: the players' colours and the interface tones.

#include "assetgen/raster.h"

namespace assetgen {

struct PlayerPalette {
    Rgb light, main, dark, swatch, dot;
};

// By PlayerColour: 0 GREEN, 1 RED, 2 BLUE, 3 PURPLE.
inline PlayerPalette PlayerColours(int colour) {
    switch (colour) {
    case 0: return {{150, 232, 120}, {58, 170, 62}, {24, 88, 32}, {34, 104, 40}, {90, 240, 90}};
    case 1: return {{250, 140, 120}, {206, 48, 40}, {110, 22, 20}, {132, 30, 28}, {255, 80, 64}};
    case 2: return {{140, 180, 255}, {48, 100, 220}, {22, 44, 120}, {30, 58, 140}, {90, 150, 255}};
    default: return {{222, 150, 250}, {150, 66, 196}, {74, 28, 104}, {92, 38, 124}, {214, 110, 255}};
    }
}

namespace ui {
constexpr Rgb kInk{22, 24, 30};        // outlines: dark but never the key
constexpr Rgb kSteel{120, 130, 142};
constexpr Rgb kSteelLight{190, 198, 208};
constexpr Rgb kSteelDark{62, 68, 78};
constexpr Rgb kPanel{34, 40, 52};
constexpr Rgb kPanelLight{70, 82, 102};
constexpr Rgb kPanelDeep{22, 26, 34};
constexpr Rgb kGold{236, 190, 84};
constexpr Rgb kText{236, 236, 228};
}  // namespace ui

}  // namespace assetgen
