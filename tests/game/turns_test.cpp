// The turn cycle: where each seat goes, the start of a human turn, the end
// of the game and its winner.
#include "game/turns.h"
#include "rules_fixture.h"

namespace {

using TurnsTest = RulesTest;

TEST_F(TurnsTest, EachSeatGoesWhereItsStateSays) {
    Place(1, 1, 0, kBase);
    Place(20, 20, 1, kBase);
    OpenSeat(2, false), OpenSeat(3, true);
    P(3).lifeState = kDead, P(1).setupDone = 0;
    const SeatNext expected[] = {SeatNext::kHumanTurn, SeatNext::kSetUp, SeatNext::kComputerTurn, SeatNext::kEndOfTurn};
    for (int seat = 0; seat < kSeats; ++seat) {
        game.state.currentPlayer = seat;
        EXPECT_EQ(SeatDestination(game), expected[seat]) << "seat " << seat;
    }
    game.state.currentPlayer = 2, P(2).destroyedNotice[3] = 1;
    EXPECT_TRUE(ShowPendingNotices(game).empty());  // a computer seat is never shown its notices
    P(2).seatOpen = 0;
    EXPECT_EQ(SeatDestination(game), SeatNext::kEndOfTurn);  // closed
    P(0).lifeState = P(2).lifeState = kDead;
    EXPECT_EQ(SeatDestination(game), SeatNext::kGameOver);  // tested before anything else
}

TEST_F(TurnsTest, TheHumanTurnStartReadiesEveryUnitAndPays) {
    const int base = Place(1, 1, 0, kBase);
    const int tank = Place(2, 1, 0, kTank);
    const int enemy = Place(20, 20, 1, kStandard);
    U(tank).canMove = U(tank).canAttack = 0;
    U(enemy).canMove = 0, U(base).canMove = 1;
    game.map.tiles[4][4].reach = 3;
    game.unitSelected = 1, game.unitCap = 0, game.nextUnitCursor = 17, game.state.turn = 1;
    P(0).viewX = 4, P(0).viewY = 9;
    BeginHumanTurn(game);
    EXPECT_EQ(U(base).canMove + 2 * U(base).canAttack, 2);
    EXPECT_EQ(U(tank).canMove + U(tank).canAttack, 2);
    EXPECT_EQ(U(enemy).canMove, 1);
    EXPECT_EQ(game.map.tiles[4][4].reach, -1);
    EXPECT_EQ(game.unitSelected, 0);
    EXPECT_EQ(game.unitCap, 20);
    EXPECT_EQ(game.nextUnitCursor, 0);
    EXPECT_EQ(game.rng.state, 777u);  // reseeded from the clock
    EXPECT_EQ(P(0).energy, 10 + 60);
    EXPECT_EQ(game.scrollX * 10 + game.scrollY, 49);
    game.state.turn = 2;  // the help line, seen end to end, is the first turn's only
    BeginHumanTurn(game);
    EXPECT_EQ(game.statusMessage, "");
}

// Seats 0 and 1 play, seats 2 and 3 are closed; the game is won at turn 10
// or a score of 5000, and seat 0 leads with 300 to 200.
TEST_F(TurnsTest, TheGameEndsPastItsTargetUnlessTheLeadIsTied) {
    struct Case { const char* name; int victory; void (*set)(Game&); bool over; };
    const Case cases[] = {
        {"at the turn target", kTurnVictory, [](Game& g) { g.state.turn = 10; }, false},
        {"past the turn target", kTurnVictory, [](Game&) {}, true},
        {"tied lead", kTurnVictory, [](Game& g) { g.state.players[1].score = 300; }, false},
        {"a dead seat ties too", kTurnVictory, [](Game& g) { g.state.players[2].score = 300; }, false},
        {"at the score target", kScoreVictory, [](Game& g) { g.state.players[0].score = 5000; }, false},
        {"past the score target", kScoreVictory, [](Game& g) { g.state.players[0].score = 5001; }, true},
        {"conquest, a dying seat still plays", kConquer, [](Game& g) { g.state.players[1].lifeState = kDying; }, false},
        {"conquest, one seat left", kConquer, [](Game& g) { g.state.players[1].lifeState = kDead; }, true},
        {"no human left", kConquer, [](Game& g) { g.state.players[0].isHuman = g.state.players[1].isHuman = 0; }, true},
    };
    for (const Case& c : cases) {
        Game g = game;
        g.state.victoryType = c.victory, g.state.victoryTurn = 10, g.state.victoryScore = 5000, g.state.turn = 11;
        g.state.players[0].score = 300, g.state.players[1].score = 200;
        c.set(g);
        EXPECT_EQ(IsGameOver(g), c.over) << c.name;
    }
}

// The winner is the best score among the seats that still own a base; the
// lowest seat wins a tie, and seat 0 when nobody with a base has scored.
TEST_F(TurnsTest, TheWinnerOwnsABaseAndTheLowestSeatWinsATie) {
    const int cases[][6] = {  // scores of seats 0 to 2, whether seats 0 and 2 own a base, the winner
        {300, 200, 900, 1, 0, 0}, {300, 300, 0, 1, 1, 0}, {300, 301, 0, 1, 1, 1}, {900, 300, 301, 0, 1, 2},
        {900, 0, 0, 0, 1, 0}};
    OpenSeat(2, false);
    Place(5, 1, 1, kBase);
    for (const auto& [s0, s1, s2, base0, base2, winner] : cases) {
        for (Unit& u : game.state.units)
            if (u.owner != 1) u.state = kFree;
        if (base0) Place(1, 1, 0, kBase);
        if (base2) Place(9, 1, 2, kBase);
        P(0).score = s0, P(1).score = s1, P(2).score = s2;
        EXPECT_EQ(Winner(game), winner) << s0 << " " << s1 << " " << s2;
    }
}

}  // namespace
