#include <gtest/gtest.h>

#include <ctime>

#include "game/state.h"
#include "support/game_builder.h"
#include "support/seeds.h"

namespace {

// A draw below n is the integer part of r * n / 32768 for a draw r of
// 0..32767: each of the n equal slices begins at its own draw, and the top
// draw stays below n. (The worlds' check values follow the draws themselves.)
TEST(Rng, BelowSplitsTheDrawsIntoEqualSlices) {
    const int cases[][3] = {  // draw, n, below
        {0, 3, 0}, {10922, 3, 0}, {10923, 3, 1}, {21845, 3, 1}, {21846, 3, 2}, {32767, 3, 2}, {16383, 2, 0}, {16384, 2, 1}};
    for (const auto& [draw, n, below] : cases) {
        Rng rng{FirstSeed([draw](Rng& r) { return r.Draw() == draw; })};
        EXPECT_EQ(rng.Below(n), below) << draw << " below " << n;
    }
}

TEST(ResetGameState, OpensSeatsByGameTypeAndSeedsFromTheClock) {
    const std::tuple<int, int, int> types[] = {{kSinglePlayer, 1, 0}, {kHotSeat, 2, 0}, {kPlayByMail, 2, 1}};
    for (const auto& [type, humans, passwords] : types) {
        Game game;
        game.hooks.tickCount = [] { return 1234u; };
        game.state.gameType = type;
        game.state.units[5].state = kActive;
        ResetGameState(game);
        const auto& p = game.state.players;
        EXPECT_EQ(p[0].seatOpen + p[1].seatOpen + 2 * (p[2].seatOpen + p[3].seatOpen), 2) << type;
        EXPECT_EQ(p[0].isHuman + p[1].isHuman, humans) << type;
        EXPECT_EQ(game.state.usePasswords, passwords) << type;
        EXPECT_EQ(game.rng.state, 1234u);
        EXPECT_EQ(game.state.units[5].state, kFree);
    }
}

TEST(CreateUnit, ReusesTheLowestSlotThatIsNotActiveAndRefusesWhenNoneIs) {
    Game game = MakeTestGame(kHotSeat);
    game.state.players[1].powerLevel = 17;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(CreateUnit(game, i, 0, 0, kStandard), i);
    Unit& u = game.state.units[2];
    u.state = kDestroyed, u.explosionFrame = 9, u.canMove = 0;  // still exploding: reusable all the same
    ASSERT_EQ(CreateUnit(game, 3, 4, 1, kTank), 2);
    EXPECT_EQ(u, (Unit{kActive, kTank, 1, 17, 3, 4, 0, 1, 1}));  // at the owner's power level, ready to act

    while (CreateUnit(game, 1, 1, 0, kStandard) != -1) {}
    const GameState before = game.state;
    EXPECT_EQ(CreateUnit(game, 2, 2, 1, kBase), -1);
    EXPECT_EQ(game.state, before);
    for (const Unit& unit : game.state.units) ASSERT_EQ(unit.state, kActive);
}

// The start date a game keeps: the first and last day and month, a 24-hour clock.
TEST(LongDateText, IsTheLongFormInCapitals) {
    const struct { int year, month, day, weekday, hour, minute; const char* text; } cases[] = {
        {95, 0, 1, 0, 0, 0, "SUNDAY, JANUARY 1, 1995, 00:00:00"},
        {126, 11, 31, 6, 19, 5, "SATURDAY, DECEMBER 31, 2026, 19:05:00"}};
    for (const auto& c : cases) {
        tm when{};
        when.tm_year = c.year, when.tm_mon = c.month, when.tm_mday = c.day, when.tm_wday = c.weekday;
        when.tm_hour = c.hour, when.tm_min = c.minute;
        EXPECT_EQ(LongDateText(when), c.text);
    }
}

}  // namespace
