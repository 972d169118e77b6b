#pragma once
// Which cell of the sprite sheet shows a unit: the sheet knows rows and
// colours, the unit codes are the game's.
#include "game/state.h"
#include "ui/sprite_layout.h"

namespace sheet {

constexpr int UnitRowOf(int unitType, int faction) {
    switch (unitType) {
        case kBase: return kBaseRow;
        case kAir: return kAirRow;
        case kTank: return kTankRow;
        case kArtillery: return kArtilleryRow;
        default: return kStandardRow + faction;
    }
}

constexpr Rect UnitPicture(int unitType, int faction, int colour) {
    return UnitCell(UnitRowOf(unitType, faction), colour);
}

}  // namespace sheet
