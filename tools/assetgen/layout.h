#pragma once
// Where the game looks for each picture. The sprite sheet's regions
// (ui/sprite_layout.h) and the terrain picture's (world/terrain_sheet.h) are
// the game's own, read here from the same headers the game reads; this file
// adds only what the generator alone needs.
#include "platform/rect.h"
#include "ui/sprite_layout.h"
#include "world/terrain_sheet.h"

namespace assetgen {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kColours = 4;   // GREEN, RED, BLUE, PURPLE
constexpr int kFactions = 4;  // FIREBIRD, WASP, RAPTOR, PANTHER

}  // namespace assetgen
