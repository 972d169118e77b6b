#include "plain_computer_player.h"

#include "ai/computer_player.h"
#include "game/combat.h"
#include "game/economy.h"
#include "game/unit_types.h"

namespace plain {
namespace {

constexpr int kUnreached = 9999;
constexpr int kBlocked = 99999;

int groundDist[kMaxMapSize][kMaxMapSize];
int airDist[kMaxMapSize][kMaxMapSize];

bool OnMap(const TilePos& t, int n) { return t.x >= 0 && t.y >= 0 && t.x < n && t.y < n; }
int Me(const Game& g) { return g.state.currentPlayer; }
int Terrain(const Game& g, int x, int y) { return g.map.tiles[x][y].terrain; }
bool Own(const Game& g, const Unit& u) { return u.state == kActive && u.owner == Me(g); }

void Flood(int f[kMaxMapSize][kMaxMapSize], int n) {
    for (int d = 0; d <= 2 * n - 1; ++d) {
        for (int x = 0; x < n; ++x) {
            for (int y = 0; y < n; ++y) {
                if (f[x][y] != d) continue;
                const TilePos around[4] = {{x, y - 1}, {x, y + 1}, {x - 1, y}, {x + 1, y}};
                for (const TilePos& t : around)
                    if (OnMap(t, n) && f[t.x][t.y] == kUnreached) f[t.x][t.y] = d + 1;
            }
        }
    }
}

TilePos NextStep(const Game& g, int f[kMaxMapSize][kMaxMapSize], int slot) {
    const int n = g.map.mapSize;
    const int x = g.state.units[slot].x, y = g.state.units[slot].y;
    TilePos answer{x, y};
    // North, south, east, west: of two equal steps the first wins.
    const TilePos around[4] = {{x, y - 1}, {x, y + 1}, {x + 1, y}, {x - 1, y}};
    for (const TilePos& t : around)
        if (OnMap(t, n) && f[t.x][t.y] < f[answer.x][answer.y]) answer = t;
    return answer;
}

int FindEnemyInRange(const Game& g, int slot, int d) {
    const Unit& u = g.state.units[slot];
    for (int tx = u.x - d; tx <= u.x + d; ++tx) {
        for (int ty = u.y - d; ty <= u.y + d; ++ty) {
            if (!OnMap(g, tx, ty)) continue;
            const int found = UnitAt(g, tx, ty);
            if (found == -1) continue;
            if (g.state.units[found].owner != u.owner && g.state.units[found].state == kActive) return found;
        }
    }
    return -1;
}

bool EnemyWithin(const Game& g, int slot, int d) { return FindEnemyInRange(g, slot, d) != -1; }

void BuildDistanceFields(const Game& g) {
    const int n = g.map.mapSize;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            groundDist[x][y] = airDist[x][y] = kUnreached;
            const int k = Terrain(g, x, y);
            if (k == kRough || k == kWater)
                groundDist[x][y] = kBlocked;
            else if (k == kClearing)
                groundDist[x][y] = airDist[x][y] = 0;
        }
    }
    for (const Unit& u : g.state.units) {
        if (u.state != kActive || !OnMap(g, u.x, u.y)) continue;
        if (u.owner == Me(g) && Terrain(g, u.x, u.y) == kClearing) groundDist[u.x][u.y] = airDist[u.x][u.y] = kBlocked;
        if (u.owner != Me(g)) groundDist[u.x][u.y] = airDist[u.x][u.y] = 0;
    }
    Flood(groundDist, n);
    Flood(airDist, n);
    for (const Unit& u : g.state.units)
        if (u.state == kActive && OnMap(g, u.x, u.y)) groundDist[u.x][u.y] = airDist[u.x][u.y] = kBlocked;
}

bool ConvertUnits(Game& g) {
    BuildDistanceFields(g);
    bool changed = false;
    for (int i = 0; i < kMaxUnits; ++i) {
        Unit& u = g.state.units[i];
        if (!Own(g, u) || !u.canAttack || u.type == kBase || !OnMap(g, u.x, u.y)) continue;
        const int t = u.type;
        const int k = Terrain(g, u.x, u.y);
        const TilePos step = NextStep(g, groundDist, i);
        const int ahead = groundDist[step.x][step.y];
        int result = -1;
        if (k == kClearing && t == kStandard)
            result = kBase;
        else if (k == kClearing && (t == kAir || t == kTank || t == kArtillery))
            result = kStandard;
        else if (t == kStandard && ahead > 6)
            result = kAir;
        else if (t == kStandard && !u.canMove && !EnemyWithin(g, i, 1) && EnemyWithin(g, i, 2))
            result = kTank;
        else if (t == kStandard && !u.canMove && !EnemyWithin(g, i, 2) && EnemyWithin(g, i, 6))
            result = kArtillery;
        else if (t == kTank && !EnemyWithin(g, i, 4))
            result = kStandard;
        else if (t == kArtillery && !EnemyWithin(g, i, 6))
            result = kStandard;
        else if (t == kAir && k != kWater && k != kRough && ahead < 6)
            result = kStandard;
        if (result == -1) continue;
        u.type = result;
        u.canAttack = 0;
        changed = true;
    }
    return changed;
}

bool MoveUnits(Game& g) {
    BuildDistanceFields(g);
    bool changed = false;
    for (int i = 0; i < kMaxUnits; ++i) {
        Unit& u = g.state.units[i];
        if (!Own(g, u) || !u.canMove || !OnMap(g, u.x, u.y)) continue;
        const int s = UnitSpeed(g, i);
        if (s == 0 || Terrain(g, u.x, u.y) == kClearing) continue;
        if (u.canAttack && FindEnemyInRange(g, i, UnitRange(g, i)) != -1) continue;
        auto& f = u.type == kAir ? airDist : groundDist;
        int cur = f[u.x][u.y];
        for (int k = 0; k < s; ++k) {
            const TilePos next = NextStep(g, f, i);
            if (!(f[next.x][next.y] < cur)) break;
            u.x = next.x;
            u.y = next.y;
            cur = f[next.x][next.y];
            groundDist[next.x][next.y] = kBlocked;
            airDist[next.x][next.y] = kBlocked;
            changed = true;
        }
        u.canMove = 0;
    }
    return changed;
}

bool AttackWithUnits(Game& g) {
    bool changed = false;
    for (int i = 0; i < kMaxUnits; ++i) {
        Unit& u = g.state.units[i];
        if (!Own(g, u) || !u.canAttack) continue;
        const int t = FindEnemyInRange(g, i, UnitRange(g, i));
        if (t == -1) continue;
        u.canAttack = 0;
        Attack(g, i, t);
        changed = true;
    }
    return changed;
}

TilePos FindPlacementTile(const Game& g) {
    int best = kBlocked;
    TilePos answer{-1, 0};
    for (int i = 0; i < kMaxUnits; ++i) {
        const Unit& b = g.state.units[i];
        if (!Own(g, b) || b.type != kBase) continue;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int x = b.x + dx, y = b.y + dy;
                if (!OnMap(g, x, y)) continue;  // only a damaged game has a base on the border
                if (groundDist[x][y] < best && UnitAt(g, x, y) == -1) {
                    answer = {x, y};
                    best = groundDist[x][y];
                }
            }
        }
    }
    return answer;
}

bool BuyUnitNearBase(Game& g) {
    Player& p = g.state.players[Me(g)];
    if (p.energy < 100 || CountUnits(g, Me(g)) >= g.unitCap) return false;
    const TilePos tile = FindPlacementTile(g);
    // A full unit table refuses the purchase, as the cap does.
    if (tile.x == -1 || CreateUnit(g, tile.x, tile.y, Me(g), kStandard) == -1) return false;
    p.energy -= 100;
    return true;
}

bool RepairUnits(Game& g) {
    bool changed = false;
    for (int i = 0; i < kMaxUnits; ++i) {
        Unit& u = g.state.units[i];
        if (!Own(g, u) || !u.canAttack) continue;
        if (FindEnemyInRange(g, i, UnitRange(g, i)) != -1) continue;
        if (u.health >= g.state.players[u.owner].powerLevel) continue;
        u.canAttack = 0;
        RepairWithEnergy(g, i, Me(g));
        changed = true;
    }
    return changed;
}

}  // namespace

void RunComputerPlayer(Game& g) {
    ::ConsiderPowerUp(g);  // one draw, no search: tested on its own at its edges
    for (;;) {
        const bool a = ConvertUnits(g);
        const bool b = MoveUnits(g);
        const bool c = AttackWithUnits(g);
        const bool d = BuyUnitNearBase(g);
        const bool e = RepairUnits(g);
        if (!a && !b && !c && !d && !e) break;
    }
}

}  // namespace plain
