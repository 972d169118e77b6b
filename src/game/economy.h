#pragma once
// Energy: income, prices, the unit cap and the power level.
#include "game/state.h"

constexpr int kUnitPrice = 100;
constexpr int kRepairPricePerPoint = 2;
constexpr int kPowerStep = 10;
constexpr int kMaxPowerLevel = 990;

// A player's income this turn; computer seats get the computer level's share.
int Income(const Game& game, int player);
// Pays the player its income, into energy and score alike.
void CollectIncome(Game& game, int player);

// The price of the next power step from the given level.
int PowerPrice(int powerLevel);
// True while the level may still be raised.
bool CanRaisePower(int powerLevel);
// Raises the player's level by one step and heals its active units by the
// same amount; no payment, no checks.
void StepUpPower(Game& game, int player);
// Pays for and applies one power step; false (nothing changed) at the ceiling
// or when energy is short.
bool BuyPowerStep(Game& game, int player);

// What repairing `points` health costs.
constexpr int RepairPrice(int points) { return points * kRepairPricePerPoint; }
// The points a repair would heal now: up to the owner's power level, as far
// as the payer's energy goes.
int RepairablePoints(const Game& game, int slot, int payer);
// Heals a unit point by point at 2 energy each, paid by the payer, until it is
// at its owner's power level or energy runs short. Returns the points healed.
int RepairWithEnergy(Game& game, int slot, int payer);

// True when the player may place one more non-base unit (the unit cap).
bool BelowUnitCap(const Game& game, int player);
