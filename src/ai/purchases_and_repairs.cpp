// Spending energy: one new unit per pass at a base, and repairs of idle units.
#include "ai/computer_player.h"
#include "game/economy.h"
#include "game/unit_types.h"

namespace {

bool HasFreeSlot(const Game& game) {
    for (const Unit& u : game.state.units)
        if (u.state != kActive) return true;
    return false;
}

}  // namespace

TilePos FindPlacementTile(const ComputerTurn& turn) {
    const Game& game = turn.game;
    int best = kFieldBlocked;
    TilePos answer{-1, 0};
    for (const Unit& base : game.state.units) {
        if (base.state != kActive || base.owner != turn.player || base.type != kBase) continue;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int x = base.x + dx, y = base.y + dy;
                // Bases stand on clearings, which never touch the border;
                // a damaged game's base elsewhere must not look off the map.
                if (!OnMap(game, x, y)) continue;
                if (turn.field.Ground(x, y) >= best || turn.occupancy.LowestAt(x, y) != -1) continue;
                best = turn.field.Ground(x, y);
                answer = {x, y};
            }
        }
    }
    return answer;
}

bool BuyUnitNearBase(ComputerTurn& turn) {
    Game& game = turn.game;
    Player& p = game.state.players[turn.player];
    if (p.energy < kUnitPrice || CountUnits(game, turn.player) >= game.unitCap) return false;
    BuildDeferredFields(turn);
    const TilePos tile = FindPlacementTile(turn);
    // With every slot of the unit table taken the purchase is refused, as the
    // cap refuses it: no energy is spent on a unit that cannot exist.
    if (tile.x == -1 || !HasFreeSlot(game)) return false;
    p.energy -= kUnitPrice;
    CreateUnit(game, tile.x, tile.y, turn.player, kStandard);
    turn.occupancy.Sync(game);
    return true;
}

void RepairUnit(ComputerTurn& turn, int slot) {
    turn.game.state.units[slot].canAttack = 0;
    RepairWithEnergy(turn.game, slot, turn.player);
}

bool RepairUnits(ComputerTurn& turn) {
    const auto& players = turn.game.state.players;
    bool changed = false;
    for (int slot = 0; slot < kMaxUnits; ++slot) {
        Unit& u = turn.game.state.units[slot];
        if (u.state != kActive || u.owner != turn.player || !u.canAttack) continue;
        if (u.health >= players[u.owner].powerLevel) continue;
        if (FindEnemyInRange(turn, slot, TypeRange(u.type)) != -1) continue;
        RepairUnit(turn, slot);
        changed = true;
    }
    return changed;
}
