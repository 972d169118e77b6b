// Unit type changes: a unit takes the type that suits its distance to the
// nearest target. Changing type is free but uses up the unit's action.
#include "ai/computer_player.h"
#include "game/unit_types.h"

namespace {

constexpr int kNoChange = -1;
// An AIR unit lands once the ground step ahead is closer than this.
constexpr int kAirSwitchOver = 6;

bool Enemy(const ComputerTurn& turn, int slot, int range) {
    return FindEnemyInRange(turn, slot, range) != -1;
}

int GroundAhead(const ComputerTurn& turn, int slot) {
    const TilePos step = NextGroundStep(turn, slot);
    return turn.field.Ground(step.x, step.y);
}

int StandardUnitChange(const ComputerTurn& turn, int slot) {
    const Unit& u = turn.game.state.units[slot];
    // No way on foot within one move: fly.
    if (GroundAhead(turn, slot) > TypeSpeed(kStandard)) return kAir;
    if (u.canMove || Enemy(turn, slot, 1)) return kNoChange;
    if (Enemy(turn, slot, 2)) return kTank;
    if (Enemy(turn, slot, 6)) return kArtillery;
    return kNoChange;
}

int NewType(const ComputerTurn& turn, int slot) {
    const Unit& u = turn.game.state.units[slot];
    const int terrain = turn.game.map.tiles[u.x][u.y].terrain;
    if (terrain == kClearing) {
        if (u.type == kStandard) return kBase;
        if (u.type == kAir || u.type == kTank || u.type == kArtillery) return kStandard;
    }
    switch (u.type) {
        case kStandard: return StandardUnitChange(turn, slot);
        case kTank: return Enemy(turn, slot, TypeSpeed(kTank) + 2) ? kNoChange : kStandard;
        case kArtillery: return Enemy(turn, slot, TypeRange(kArtillery)) ? kNoChange : kStandard;
        case kAir:
            if (terrain == kWater || terrain == kRough) return kNoChange;
            return GroundAhead(turn, slot) < kAirSwitchOver ? kStandard : kNoChange;
        default: return kNoChange;
    }
}

// Only STANDARD and AIR units off the clearings look at the ground ahead.
bool AnyoneLooksAhead(const ComputerTurn& turn) {
    for (const Unit& u : turn.game.state.units) {
        if (u.state != kActive || u.owner != turn.player || !u.canAttack) continue;
        if (u.type != kStandard && u.type != kAir) continue;
        if (OnMap(turn.game, u.x, u.y) && turn.game.map.tiles[u.x][u.y].terrain != kClearing) return true;
    }
    return false;
}

}  // namespace

bool ConvertUnits(ComputerTurn& turn) {
    // Nothing else reads the fields before MoveUnits builds them again, and
    // the air field is not read here at all.
    if (AnyoneLooksAhead(turn)) BuildDistanceFields(turn, /*groundOnly=*/true);
    bool changed = false;
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        Unit& u = turn.game.state.units[slot];
        if (u.state != kActive || u.owner != turn.player || !u.canAttack || u.type == kBase) continue;
        if (!OnMap(turn.game, u.x, u.y)) continue;
        const int type = NewType(turn, slot);
        if (type == kNoChange) continue;
        u.type = type;
        u.canAttack = 0;
        changed = true;
    }
    return changed;
}
