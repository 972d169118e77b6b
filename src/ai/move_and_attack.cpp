// Moving down the distance fields, and attacking whatever is in range.
#include "ai/computer_player.h"
#include "game/combat.h"
#include "game/unit_types.h"

namespace {

// Walks the unit down its field, one step at a time, while each step lowers
// the distance. Returns whether it moved at all.
bool WalkDownField(ComputerTurn& turn, int slot) {
    Unit& u = turn.game.state.units[slot];
    const bool air = u.type == kAir;
    const DistanceField& field = turn.field;
    int current = air ? field.Air(u.x, u.y) : field.Ground(u.x, u.y);
    bool moved = false;
    for (int left = TypeSpeed(u.type); left > 0; --left) {
        const TilePos next = air ? field.NextAirStep(u.x, u.y) : field.NextGroundStep(u.x, u.y);
        const int value = air ? field.Air(next.x, next.y) : field.Ground(next.x, next.y);
        if (value >= current) break;
        u.x = next.x;
        u.y = next.y;
        turn.occupancy.Move(slot, next.x, next.y);
        // The new tile is blocked for the rest of the pass, and the one left
        // behind stays blocked as it was: nobody walks into either.
        turn.field.Block(next.x, next.y);
        current = value;
        moved = true;
    }
    return moved;
}

// An own unit with its move left and some speed, not holding a clearing.
bool MayWalk(const ComputerTurn& turn, const Unit& u) {
    if (u.state != kActive || u.owner != turn.player || !u.canMove) return false;
    if (!OnMap(turn.game, u.x, u.y) || TypeSpeed(u.type) == 0) return false;
    return turn.game.map.tiles[u.x][u.y].terrain != kClearing;
}

struct Walkers {
    bool any = false;
    bool air = false;
};

// Which units of the seat might walk in this pass (without the test for
// enemies in range, which only ever holds a unit back).
Walkers FindWalkers(const ComputerTurn& turn) {
    Walkers walkers;
    for (const Unit& u : turn.game.state.units) {
        if (!MayWalk(turn, u)) continue;
        walkers.any = true;
        walkers.air = walkers.air || u.type == kAir;
    }
    return walkers;
}

}  // namespace

bool MoveUnits(ComputerTurn& turn) {
    // With nobody to walk the fields are only read by a purchase, if at all;
    // after this pass the air field is read by AIR units walking, nothing else.
    const Walkers walkers = FindWalkers(turn);
    if (!walkers.any) {
        turn.fieldsDeferred = true;
        return false;
    }
    BuildDistanceFields(turn, /*groundOnly=*/!walkers.air);
    bool changed = false;
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        Unit& u = turn.game.state.units[slot];
        if (!MayWalk(turn, u)) continue;  // flag kept by units holding a clearing or without speed
        // Someone to fight: attack first, move in a later pass.
        if (u.canAttack && FindEnemyInRange(turn, slot, TypeRange(u.type)) != -1) continue;
        changed = WalkDownField(turn, slot) || changed;
        u.canMove = 0;
    }
    return changed;
}

bool AttackWithUnits(ComputerTurn& turn) {
    bool changed = false;
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        Unit& u = turn.game.state.units[slot];
        if (u.state != kActive || u.owner != turn.player || !u.canAttack) continue;
        const int target = FindEnemyInRange(turn, slot, TypeRange(u.type));
        if (target == -1) continue;
        BuildDeferredFields(turn);  // while the units still stand as MoveUnits saw them
        u.canAttack = 0;  // before the attack: FREE-ATTACK may hand it back
        Attack(turn.game, slot, target);
        turn.occupancy.Sync(turn.game);
        changed = true;
    }
    return changed;
}
