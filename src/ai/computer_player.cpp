#include "ai/computer_player.h"

#include "game/invariants.h"

#include "game/economy.h"

int PowerUpChance(int computerLevel) {
    switch (computerLevel) {
        case kEasy: return 30;
        case kHard: return 90;
        default: return 60;  // FAIR, and any level a damaged game might hold
    }
}

void ConsiderPowerUp(Game& game) {
    const int seat = game.state.currentPlayer;
    Player& p = game.state.players[seat];
    if (!CanRaisePower(p.powerLevel)) return;
    const int cost = PowerPrice(p.powerLevel);
    if (p.energy < cost) return;
    if (game.rng.Below(100) >= PowerUpChance(game.state.computerLevel)) return;
    p.energy -= cost;
    StepUpPower(game, seat);
}

ComputerTurn::ComputerTurn(Game& g) : game(g), player(g.state.currentPlayer) {
    field.PrepareTerrain(game);
    occupancy.Rebuild(game);
}

void RunComputerPlayer(Game& game) {
    const InvariantGuard guard(game, "the computer player's turn");
    ConsiderPowerUp(game);
    ComputerTurn turn(game);
    bool changed = true;
    while (changed) {
        // All five run in every pass, whatever the earlier ones reported.
        changed = ConvertUnits(turn);
        changed = MoveUnits(turn) || changed;
        changed = AttackWithUnits(turn) || changed;
        changed = BuyUnitNearBase(turn) || changed;
        changed = RepairUnits(turn) || changed;
    }
}
