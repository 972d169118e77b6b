#pragma once
// What each unit type can do over distance, and the queries every rule uses to
// find units on the map. Distances by type come from one table so that the
// rules, the computer player and the help screen never disagree.
#include "game/state.h"

// The columns of the unit type table, by type code; unknown codes give 0.
int TypeSpeed(int type);
int TypeRange(int type);
int TypeSight(int type);
// The type's name as the player reads it: "STANDARD UNIT", "BASE", "AIR UNIT"...
const char* TypeName(int type);
// The most damage a unit of this type does at the given power level.
int TypeMaxDamage(int type, int powerLevel);

// The same columns for the unit in a slot.
int UnitSpeed(const Game& game, int slot);
int UnitRange(const Game& game, int slot);
int UnitSight(const Game& game, int slot);
// The unit's most damage, from its owner's power level.
int UnitMaxDamage(const Game& game, int slot);

// True when (x, y) lies on the map.
bool OnMap(const Game& game, int x, int y);

// Lowest slot with a unit (active or exploding) on the tile, or -1.
int UnitAt(const Game& game, int x, int y);
// The slot on the tile when it holds an active unit, or -1.
int ActiveUnitAt(const Game& game, int x, int y);
// A player's active units that are not bases (what the unit cap counts).
int CountUnits(const Game& game, int player);
// True when an active unit not owned by the player stands in the 3 x 3 square
// around (x, y), the centre included.
bool EnemyNear(const Game& game, int x, int y, int player);
