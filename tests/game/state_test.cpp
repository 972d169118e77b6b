#include <gtest/gtest.h>

#include <ctime>

#include "game/state.h"

namespace {

Game NewGame(int gameType) {
    Game game;
    game.hooks.tickCount = [] { return 1234u; };
    game.state.gameType = gameType;
    ResetGameState(game);
    return game;
}

TEST(Rng, MatchesTheClassicSequence) {
    Rng rng;
    rng.Seed(1);
    EXPECT_EQ(rng.Draw(), 41);
    EXPECT_EQ(rng.Draw(), 18467);
    EXPECT_EQ(rng.Draw(), 6334);
    EXPECT_EQ(rng.Draw(), 26500);
    EXPECT_EQ(rng.Draw(), 19169);
    rng.Seed(0);
    EXPECT_EQ(rng.Draw(), 38);
    EXPECT_EQ(rng.Draw(), 7719);
    EXPECT_EQ(rng.Draw(), 21238);
}

TEST(Rng, DrawBelowScalesTheDrawAndStaysInRange) {
    Rng rng;
    rng.Seed(1);
    EXPECT_EQ(rng.Below(4), 41 * 4 / 32768);
    EXPECT_EQ(rng.Below(9999), static_cast<int>(18467.0 * 9999 / 32768));
    for (int i = 0; i < 10000; ++i) {
        const int v = rng.Below(3);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 3);
    }
}

TEST(ResetGameState, SeatsDependOnTheGameType) {
    Game solo = NewGame(kSinglePlayer);
    EXPECT_EQ(solo.state.players[0].seatOpen, 1);
    EXPECT_EQ(solo.state.players[0].isHuman, 1);
    EXPECT_EQ(solo.state.players[1].seatOpen, 1);
    EXPECT_EQ(solo.state.players[1].isHuman, 0);
    EXPECT_EQ(solo.state.players[2].seatOpen, 0);
    EXPECT_EQ(solo.state.players[3].seatOpen, 0);
    EXPECT_EQ(solo.state.usePasswords, 0);

    for (int type : {kHotSeat, kPlayByMail}) {
        Game game = NewGame(type);
        EXPECT_EQ(game.state.players[1].isHuman, 1);
        EXPECT_EQ(game.state.players[1].seatOpen, 1);
        EXPECT_EQ(game.state.usePasswords, type == kPlayByMail ? 1 : 0);
    }
}

TEST(ResetGameState, SetsTheDefaultsAndSeedsFromTheClock) {
    Game game;
    game.hooks.tickCount = [] { return 777u; };
    game.state.gameType = kHotSeat;
    game.state.units[5].state = kActive;
    game.state.players[2].viewX = 9;
    ResetGameState(game);
    EXPECT_EQ(game.rng.state, 777u);
    EXPECT_EQ(game.map.mapSeed, -1);
    EXPECT_EQ(game.map.mapSize, 45);
    EXPECT_EQ(game.state.gameName, "GAME-01");
    EXPECT_EQ(game.state.victoryScore, 10000);
    EXPECT_EQ(game.state.victoryTurn, 25);
    EXPECT_EQ(game.state.computerLevel, kFair);
    EXPECT_EQ(game.state.units[5].state, kFree);
    EXPECT_EQ(game.state.players[2].viewX, 9) << "views are left for the world to set";
    for (int i = 0; i < kSeats; ++i) {
        const Player& p = game.state.players[i];
        EXPECT_EQ(p.name, "PLAYER " + std::to_string(i + 1));
        EXPECT_EQ(p.faction, i);
        EXPECT_EQ(p.colour, i);
        EXPECT_EQ(p.energy, 10);
        EXPECT_EQ(p.powerLevel, 10);
        EXPECT_EQ(p.destroyer, -1);
        EXPECT_FALSE(p.password.empty());
    }
}

TEST(CreateUnit, ReusesTheLowestSlotThatIsNotActive) {
    Game game = NewGame(kHotSeat);
    game.state.players[1].powerLevel = 17;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(CreateUnit(game, i, 0, 0, kStandard), i);
    game.state.units[2].state = kDestroyed;  // still exploding: reusable all the same
    game.state.units[2].explosionFrame = 9;
    const int slot = CreateUnit(game, 3, 4, 1, kTank);
    ASSERT_EQ(slot, 2);
    const Unit& u = game.state.units[2];
    EXPECT_EQ(u.state, kActive);
    EXPECT_EQ(u.health, 17);
    EXPECT_EQ(u.explosionFrame, 0);
    EXPECT_EQ(u.x, 3);
    EXPECT_EQ(u.y, 4);
    EXPECT_EQ(u.canAttack, 1);
    EXPECT_EQ(u.canMove, 1);
}

TEST(CreateUnit, RefusesWhenEverySlotIsActive) {
    Game game = NewGame(kHotSeat);
    for (int i = 0; i < kMaxUnits; ++i) ASSERT_EQ(CreateUnit(game, 1, 1, 0, kStandard), i);
    const GameState before = game.state;
    EXPECT_EQ(CreateUnit(game, 2, 2, 1, kBase), -1);
    EXPECT_EQ(game.state, before);
}

TEST(EliminatePlayer, HumanSeatsDieSlowlyComputerSeatsAtOnce) {
    Game game = NewGame(kSinglePlayer);
    CreateUnit(game, 1, 1, 0, kBase);
    CreateUnit(game, 2, 1, 0, kStandard);
    CreateUnit(game, 3, 1, 1, kBase);
    CreateUnit(game, 4, 1, 1, kAir);
    EXPECT_EQ(CountBases(game, 0), 1);
    EXPECT_EQ(CountBases(game, 1), 1);

    EliminatePlayer(game, 0);
    EXPECT_EQ(game.state.players[0].lifeState, kDying);
    EXPECT_EQ(game.state.units[0].state, kDestroyed);
    EXPECT_EQ(game.state.units[1].state, kDestroyed);
    EXPECT_EQ(CountBases(game, 0), 0);

    EliminatePlayer(game, 1);
    EXPECT_EQ(game.state.players[1].lifeState, kDead);
    EXPECT_EQ(game.state.units[2].state, kFree);
    EXPECT_EQ(game.state.units[3].state, kFree);
}

TEST(UnitCap, FollowsTheMapSize) {
    EXPECT_EQ(UnitCapForMapSize(27), 20);
    EXPECT_EQ(UnitCapForMapSize(36), 30);
    EXPECT_EQ(UnitCapForMapSize(45), 40);
    EXPECT_EQ(UnitCapForMapSize(54), 50);
    EXPECT_EQ(UnitCapForMapSize(63), 60);
}

TEST(LongDateText, IsTheLongFormInCapitals) {
    struct tm when {};
    when.tm_year = 95;
    when.tm_mon = 2;
    when.tm_mday = 14;
    when.tm_wday = 2;
    when.tm_hour = 12;
    when.tm_min = 41;
    when.tm_sec = 29;
    EXPECT_EQ(LongDateText(when), "TUESDAY, MARCH 14, 1995, 12:41:29");
    when.tm_hour = 7;
    when.tm_min = 5;
    when.tm_sec = 0;
    when.tm_mday = 1;
    EXPECT_EQ(LongDateText(when), "TUESDAY, MARCH 1, 1995, 07:05:00");
}

}  // namespace
