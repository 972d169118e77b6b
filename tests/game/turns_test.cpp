// The turn cycle: seat order, where each seat goes, the notices of
// eliminations, the end of the game and its winner.
#include "game/turns.h"
#include "rules_fixture.h"

namespace {

using TurnsTest = RulesTest;

TEST_F(TurnsTest, EachSeatGoesWhereItsStateSays) {
    Place(1, 1, 0, kBase);
    Place(20, 20, 1, kBase);
    OpenSeat(2, false);
    OpenSeat(3, true);
    P(3).lifeState = kDead;
    P(1).setupDone = 0;
    const SeatNext expected[] = {SeatNext::kHumanTurn, SeatNext::kSetUp, SeatNext::kComputerTurn, SeatNext::kEndOfTurn};
    for (int seat = 0; seat < kSeats; ++seat) {
        game.state.currentPlayer = seat;
        EXPECT_EQ(SeatDestination(game), expected[seat]) << "seat " << seat;
    }
    P(2).seatOpen = 0;
    game.state.currentPlayer = 2;
    EXPECT_EQ(SeatDestination(game), SeatNext::kEndOfTurn);  // closed
    P(0).lifeState = kDead;
    P(2).lifeState = kDead;
    EXPECT_EQ(SeatDestination(game), SeatNext::kGameOver);  // tested before anything else

    EXPECT_TRUE(NeedsIdentityCheck(game));
    game.state.gameType = kSinglePlayer;
    EXPECT_FALSE(NeedsIdentityCheck(game));
}

TEST_F(TurnsTest, ADyingSeatIsToldWhoDestroyedItAndDies) {
    P(0).name = "ANNA";
    P(1).name = "BORIS";
    P(1).lifeState = kDying;
    P(1).destroyer = 0;
    game.state.currentPlayer = 1;
    DestroyedNotice notice;
    EXPECT_EQ(TakeHumanSeat(game, &notice), SeatNext::kEndOfTurn);
    EXPECT_EQ(P(1).lifeState, kDead);
    EXPECT_EQ(notice.loser, 1);
    EXPECT_EQ(notice.destroyerName + " " + notice.text + " " + notice.loserName, "ANNA HAS DESTROYED BORIS");
    game.state.currentPlayer = 0;
    EXPECT_EQ(TakeHumanSeat(game, &notice), SeatNext::kHumanTurn);
    EXPECT_EQ(P(0).lifeState, kAlive);
}

TEST_F(TurnsTest, PendingNoticesAreShownOnceInSeatOrder) {
    OpenSeat(2, true);
    OpenSeat(3, false);
    P(2).destroyer = 0;
    P(3).destroyer = 1;
    P(0).destroyedNotice = {0, 0, 1, 1};
    P(3).destroyedNotice = {0, 0, 1, 1};
    const auto notices = ShowPendingNotices(game);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].loser, 2);
    EXPECT_EQ(notices[0].destroyerName, "PLAYER 1");
    EXPECT_EQ(notices[1].loserName, "PLAYER 4");
    EXPECT_EQ(notices[1].destroyerName, "PLAYER 2");
    EXPECT_TRUE(ShowPendingNotices(game).empty());
    game.state.currentPlayer = 3;  // a computer seat: never shown, never cleared
    EXPECT_TRUE(ShowPendingNotices(game).empty());
    EXPECT_EQ(P(3).destroyedNotice[2], 1);
}

TEST_F(TurnsTest, TheHumanTurnStartReadiesEveryUnitAndPays) {
    const int base = Place(1, 1, 0, kBase);
    const int tank = Place(2, 1, 0, kTank);
    const int enemy = Place(20, 20, 1, kStandard);
    U(tank).canMove = U(tank).canAttack = 0;
    U(enemy).canMove = 0;
    U(base).canMove = 1;
    game.map.tiles[4][4].reach = 3;
    game.unitSelected = 1;
    game.unitCap = 0;
    game.nextUnitCursor = 17;
    game.state.turn = 1;
    P(0).viewX = 4;
    P(0).viewY = 9;
    BeginHumanTurn(game);
    EXPECT_EQ(U(base).canMove, 0);
    EXPECT_EQ(U(base).canAttack, 1);
    EXPECT_EQ(U(tank).canMove + U(tank).canAttack, 2);
    EXPECT_EQ(U(enemy).canMove, 1);
    EXPECT_EQ(game.map.tiles[4][4].reach, -1);
    EXPECT_EQ(game.unitSelected, 0);
    EXPECT_EQ(game.unitCap, 20);
    EXPECT_EQ(game.nextUnitCursor, 0);
    EXPECT_EQ(game.rng.state, 777u);
    EXPECT_EQ(P(0).energy, 10 + 60);
    EXPECT_EQ(game.scrollX * 10 + game.scrollY, 49);
    EXPECT_EQ(game.statusMessage, "PRESS F1 FOR HELP");
    EXPECT_EQ(game.panel.powerLabel, "20 POWER FOR 500");
    game.state.turn = 2;
    BeginHumanTurn(game);
    EXPECT_EQ(game.statusMessage, "");
    EXPECT_EQ(P(0).energy, 10 + 60 + 60);
}

class GameOverTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        game.state.victoryType = kTurnVictory;
        game.state.victoryTurn = 10;
        game.state.victoryScore = 5000;
        P(0).score = 300;
        P(1).score = 200;
    }
};

TEST_F(GameOverTest, ATurnTargetEndsTheGameOnceItIsPassedUnlessTheLeadIsTied) {
    game.state.turn = 10;
    EXPECT_FALSE(IsGameOver(game));
    game.state.turn = 11;
    EXPECT_TRUE(IsGameOver(game));
    P(1).score = 300;
    EXPECT_FALSE(IsGameOver(game));
    P(1).score = 301;
    EXPECT_TRUE(IsGameOver(game));
    // The tie looks at all four seats: closed seats 2 and 3 share a best of 0.
    P(0).score = P(1).score = 0;
    EXPECT_FALSE(IsGameOver(game));
    OpenSeat(2, true);
    P(2).score = 300;
    P(2).lifeState = kDead;  // a dead seat still ties
    P(0).score = 300;
    EXPECT_FALSE(IsGameOver(game));
}

TEST_F(GameOverTest, AScoreTargetMustBeExceeded) {
    game.state.victoryType = kScoreVictory;
    game.state.turn = 50;
    P(0).score = 5000;
    EXPECT_FALSE(IsGameOver(game));
    P(0).score = 5001;
    EXPECT_TRUE(IsGameOver(game));
}

TEST_F(GameOverTest, ConquestNeedsOneSeatLeftOrNoHuman) {
    game.state.victoryType = kConquer;
    game.state.turn = 500;
    P(1).lifeState = kDying;  // still counts as alive
    EXPECT_FALSE(IsGameOver(game));
    P(1).lifeState = kDead;
    EXPECT_TRUE(IsGameOver(game));

    P(1).lifeState = kAlive;
    P(1).isHuman = 0;
    OpenSeat(2, false);
    OpenSeat(3, false);
    P(0).lifeState = kDead;
    EXPECT_TRUE(IsGameOver(game));
    Place(1, 1, 2, kBase);
    Place(5, 1, 3, kBase);
    P(2).score = 900;
    P(3).score = 1200;
    EXPECT_EQ(Winner(game), 3);  // seat 0 scores best but has no base left
}

TEST_F(GameOverTest, TheWinnerOwnsABaseAndTheLowestSeatWinsATie) {
    Place(1, 1, 0, kBase);
    Place(5, 1, 1, kBase);
    P(1).score = 300;
    EXPECT_EQ(Winner(game), 0);
    P(1).score = 301;
    EXPECT_EQ(Winner(game), 1);
    P(0).score = P(1).score = 0;
    U(0).state = kFree;
    EXPECT_EQ(Winner(game), 0);  // nobody with a base has scored
}

}  // namespace
