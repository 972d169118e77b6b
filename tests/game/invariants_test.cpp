#include <gtest/gtest.h>

#include "game/invariants.h"
#include "support/game_builder.h"

namespace {

Game TwoSeatGame() {
    Game game = MakeTestGame(kHotSeat, 27, 3);
    CreateUnit(game, 2, 2, 0, kBase);
    CreateUnit(game, 2, 4, 0, kStandard);
    CreateUnit(game, 24, 24, 1, kBase);
    return game;
}

bool Mentions(const std::vector<std::string>& broken, const std::string& words) {
    for (const std::string& line : broken)
        if (line.find(words) != std::string::npos) return true;
    return false;
}

TEST(CheckInvariants, FindsEachKindOfBrokenState) {
    struct Case { const char* finding; void (*damage)(Game&); };
    const Case cases[] = {
        {"x 27, y 4 outside the map", [](Game& g) { g.state.units[1].x = 27; }},
        {"x 2, y -1 outside the map", [](Game& g) { g.state.units[1].y = -1; }},
        {"mapSize 44", [](Game& g) { g.map.mapSize = 44; }},
        {"gameType 135", [](Game& g) { g.state.gameType = 135; }},
        {"victoryType", [](Game& g) { g.state.victoryType = 3; }},
        {"computerLevel", [](Game& g) { g.state.computerLevel = 0; }},
        {"faction", [](Game& g) { g.state.players[2].faction = 4; }},
        {"colour out of range", [](Game& g) { g.state.players[1].colour = -1; }},
        {"destroyer", [](Game& g) { g.state.players[0].destroyer = -2; }},
        {"owner", [](Game& g) { g.state.units[0].owner = 4; }},
        {"shares its tile", [](Game& g) { g.state.units[1].y = 2; }},
        {"owned by a closed or dead seat", [](Game& g) { CreateUnit(g, 9, 9, 2, kTank); }},
        {"energy below zero", [](Game& g) { g.state.players[1].energy = -5; }},
        {"colour shared", [](Game& g) { g.state.players[1].colour = 0; }},
        {"type 3", [](Game& g) { g.state.units[1].type = 3; }},
        {"more units than the cap",
         [](Game& g) { for (int i = 0; i < 20; ++i) CreateUnit(g, 5 + i % 10, 10 + i / 10, 0, kAir); }},
        {"lifeState", [](Game& g) { g.state.players[0].lifeState = 3; }},
        {"currentPlayer", [](Game& g) { g.state.currentPlayer = 4; }},
        {"usePasswords", [](Game& g) { g.state.usePasswords = 2; }},
        {"yes-or-no field holds 2", [](Game& g) { g.state.players[3].seatOpen = 2; }},
        {"yes-or-no field holds -1", [](Game& g) { g.state.players[1].destroyedNotice[3] = -1; }},
    };
    for (const Case& c : cases) {
        Game game = TwoSeatGame();
        c.damage(game);
        EXPECT_TRUE(Mentions(CheckInvariants(game), c.finding)) << c.finding;
    }
}

// The last valid values: units exactly at the cap (bases beyond it), on the
// last column and row, the last seat's turn; a unit still exploding may lie
// under another.
TEST(CheckInvariants, TheLastValidValuesAndExplodingUnitsAreFine) {
    Game game = TwoSeatGame();
    for (int i = 0; i < 18; ++i) CreateUnit(game, 5 + i % 10, 10 + i / 10, 0, kAir);
    CreateUnit(game, 26, 26, 0, kAir);
    for (int i = 0; i < 5; ++i) CreateUnit(game, 5 + i, 20, 0, kBase);
    game.state.units[0].state = kDestroyed;
    CreateUnit(game, 2, 2, 1, kStandard);
    game.state.currentPlayer = kSeats - 1;
    EXPECT_EQ(CheckInvariants(game), std::vector<std::string>{});
}

TEST(CheckInvariants, UnitHealthLiesBetweenOneAndTheOwnersPowerLevelWhichRisesInSteps) {
    struct Case { int powerLevel, health; bool reachable; };
    const Case cases[] = {
        {10, 0, false}, {10, 1, true}, {10, 10, true}, {10, 11, false},
        {990, 990, true}, {1000, 1000, false}, {0, 1, false}, {15, 15, false}, {20, 15, true},
    };
    for (const Case& c : cases) {
        Game game = TwoSeatGame();
        game.state.players[0].powerLevel = c.powerLevel;
        game.state.units[1].health = c.health;
        EXPECT_EQ(CheckInvariants(game).empty(), c.reachable) << c.powerLevel << " " << c.health;
    }
}

}  // namespace
