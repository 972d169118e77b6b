#pragma once
// The computer opponent: a computer seat plays its whole turn in one call.
// Every choice, every tie and every random draw is fixed, because a computer
// turn must play out the same way from the same game on every machine: saved
// games and play-by-mail partners depend on it.
#include "ai/distance_field.h"
#include "ai/tile_occupancy.h"
#include "game/state.h"

// Chance in percent, by computer level, that the computer raises its power
// level when it can pay for it.
int PowerUpChance(int computerLevel);

// Plays the whole turn of the current player, a computer seat, whose income
// has been paid: one chance of a power-up, then passes of converting, moving,
// attacking, buying and repairing until a pass changes nothing.
void RunComputerPlayer(Game& game);

// One chance of a power-level increase (a draw only when it can be paid for).
void ConsiderPowerUp(Game& game);

// The working state of one computer turn: the distance fields and the index of
// units by tile. Lives for one RunComputerPlayer call.
struct ComputerTurn {
    explicit ComputerTurn(Game& g);

    Game& game;
    int player;  // the seat whose turn it is
    DistanceField field;
    TileOccupancy occupancy;
    // MoveUnits found no unit to walk and left its build of the fields for
    // later: until a unit moves or is destroyed a build gives the very same
    // fields, so it is made only if a purchase or an attack comes first.
    bool fieldsDeferred = false;
};

// Builds the ground field MoveUnits deferred, if it did: the placement of a
// purchase is the only reader left in the pass.
void BuildDeferredFields(ComputerTurn& turn);

// Rebuilds the distance fields for the current player (ground only when the
// air field will not be read before the next full build).
void BuildDistanceFields(ComputerTurn& turn, bool groundOnly = false);
TilePos NextGroundStep(const ComputerTurn& turn, int slot);
TilePos NextAirStep(const ComputerTurn& turn, int slot);

// The first active enemy unit within the square of radius `range` around the
// unit, column by column from the left and, within a column, from the top;
// only the lowest slot on each tile counts, as with UnitAt. -1 when none.
int FindEnemyInRange(const ComputerTurn& turn, int slot, int range);

// The five actions of a pass; each reports whether it changed anything.
bool ConvertUnits(ComputerTurn& turn);
bool MoveUnits(ComputerTurn& turn);
bool AttackWithUnits(ComputerTurn& turn);
bool BuyUnitNearBase(ComputerTurn& turn);
bool RepairUnits(ComputerTurn& turn);

// Where a new unit goes: the open tile around an own base with the smallest
// ground distance; x = -1 when there is none.
TilePos FindPlacementTile(const ComputerTurn& turn);

// Uses up the unit's action and heals it as far as energy allows, 2 a point.
void RepairUnit(ComputerTurn& turn, int slot);
