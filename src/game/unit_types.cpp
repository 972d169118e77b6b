#include "game/unit_types.h"

namespace {

struct TypeRow {
    int speed;
    int range;
    int sight;
};

TypeRow RowOf(int type) {
    switch (type) {
        case kStandard: return {6, 1, 6};
        case kAir: return {10, 1, 10};
        case kTank: return {2, 2, 4};
        case kArtillery: return {0, 6, 6};
        case kBase: return {0, 1, 4};
        default: return {0, 0, 0};
    }
}

}  // namespace

int TypeSpeed(int type) { return RowOf(type).speed; }
int TypeRange(int type) { return RowOf(type).range; }
int TypeSight(int type) { return RowOf(type).sight; }

const char* TypeName(int type) {
    switch (type) {
        case kStandard: return "STANDARD UNIT";
        case kBase: return "BASE";
        case kAir: return "AIR UNIT";
        case kTank: return "TANK UNIT";
        case kArtillery: return "ARTILLERY UNIT";
        default: return "";
    }
}

int TypeMaxDamage(int type, int powerLevel) {
    switch (type) {
        case kStandard:
        case kBase:
        case kArtillery: return powerLevel / 2;
        case kAir: return powerLevel / 4;
        case kTank: return powerLevel;
        default: return 0;
    }
}

int UnitSpeed(const Game& game, int slot) { return TypeSpeed(game.state.units[slot].type); }
int UnitRange(const Game& game, int slot) { return TypeRange(game.state.units[slot].type); }
int UnitSight(const Game& game, int slot) { return TypeSight(game.state.units[slot].type); }

int UnitMaxDamage(const Game& game, int slot) {
    const Unit& u = game.state.units[slot];
    return TypeMaxDamage(u.type, game.state.players[u.owner].powerLevel);
}

bool OnMap(const Game& game, int x, int y) {
    const int size = game.map.mapSize;
    return x >= 0 && y >= 0 && x < size && y < size;
}

int UnitAt(const Game& game, int x, int y) {
    for (int i = 0; i < kMaxUnits; ++i) {
        const Unit& u = game.state.units[i];
        if (u.state != kFree && u.x == x && u.y == y) return i;
    }
    return -1;
}

int ActiveUnitAt(const Game& game, int x, int y) {
    const int slot = UnitAt(game, x, y);
    if (slot < 0 || game.state.units[slot].state != kActive) return -1;
    return slot;
}

int CountUnits(const Game& game, int player) {
    int count = 0;
    for (const Unit& u : game.state.units)
        if (u.state == kActive && u.owner == player && u.type != kBase) ++count;
    return count;
}

bool EnemyNear(const Game& game, int x, int y, int player) {
    for (int nx = x - 1; nx <= x + 1; ++nx) {
        for (int ny = y - 1; ny <= y + 1; ++ny) {
            if (!OnMap(game, nx, ny)) continue;
            const int slot = ActiveUnitAt(game, nx, ny);
            if (slot >= 0 && game.state.units[slot].owner != player) return true;
        }
    }
    return false;
}
