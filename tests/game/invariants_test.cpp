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
        {"outside the map", [](Game& g) { g.state.units[1].x = 27; }},
        {"shares its tile", [](Game& g) { g.state.units[1].y = 2; }},
        {"owned by a closed or dead seat", [](Game& g) { CreateUnit(g, 9, 9, 2, kTank); }},
        {"energy below zero", [](Game& g) { g.state.players[1].energy = -5; }},
        {"colour shared", [](Game& g) { g.state.players[1].colour = 0; }},
        {"type 3", [](Game& g) { g.state.units[1].type = 3; }},
        {"more units than the cap", [](Game& g) {
             for (int i = 0; i < 20; ++i) CreateUnit(g, 5 + i % 10, 10 + i / 10, 0, kAir);
         }},
        {"lifeState", [](Game& g) { g.state.players[0].lifeState = 7; }},
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

TEST(CheckInvariants, ExplodingUnitsAndBasesBeyondTheCapAreFine) {
    Game game = TwoSeatGame();
    for (int i = 0; i < 19; ++i) CreateUnit(game, 5 + i % 10, 10 + i / 10, 0, kAir);  // exactly at the cap
    for (int i = 0; i < 5; ++i) CreateUnit(game, 5 + i, 20, 0, kBase);
    game.state.units[0].state = kDestroyed;  // exploding on a tile now taken by another
    CreateUnit(game, 2, 2, 1, kStandard);
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
