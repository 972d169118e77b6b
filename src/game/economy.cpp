#include "game/economy.h"

#include <algorithm>
#include <cstdint>

#include "game/unit_types.h"

int Income(const Game& game, int player) {
    const int amount = (CountBases(game, player) * 5 + CountUnits(game, player)) * 10;
    if (game.state.players[player].isHuman != 0) return amount;
    switch (game.state.computerLevel) {
        case kEasy: return amount / 2;
        case kHard: return amount * 2;
        default: return amount;
    }
}

void CollectIncome(Game& game, int player) {
    const int amount = Income(game, player);
    game.state.players[player].energy += amount;
    game.state.players[player].score += amount;
}

int PowerPrice(int powerLevel) { return (powerLevel + kPowerStep) * 25; }

bool CanRaisePower(int powerLevel) { return powerLevel < kMaxPowerLevel; }

void StepUpPower(Game& game, int player) {
    game.state.players[player].powerLevel += kPowerStep;
    for (Unit& u : game.state.units)
        if (u.state == kActive && u.owner == player) u.health += kPowerStep;
}

bool BuyPowerStep(Game& game, int player) {
    Player& p = game.state.players[player];
    if (!CanRaisePower(p.powerLevel)) return false;
    const int price = PowerPrice(p.powerLevel);
    if (p.energy < price) return false;
    p.energy -= price;
    StepUpPower(game, player);
    return true;
}

int RepairablePoints(const Game& game, int slot, int payer) {
    const Unit& u = game.state.units[slot];
    // In 64 bits: a damaged game's health may be so far below the level that
    // the difference does not fit an int.
    const int64_t missing = int64_t{game.state.players[u.owner].powerLevel} - u.health;
    const int64_t affordable = game.state.players[payer].energy / kRepairPricePerPoint;
    return static_cast<int>(std::max<int64_t>(0, std::min(missing, affordable)));
}

int RepairWithEnergy(Game& game, int slot, int payer) {
    const int healed = RepairablePoints(game, slot, payer);
    game.state.players[payer].energy -= RepairPrice(healed);
    game.state.units[slot].health += healed;
    return healed;
}

bool BelowUnitCap(const Game& game, int player) {
    return CountUnits(game, player) < game.unitCap;
}
