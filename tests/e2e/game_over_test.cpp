// The game-over view, reached the three ways a game ends: the last enemy
// base falls, a score passes the target, the turn limit passes.
#include <algorithm>

#include "game/unit_types.h"
#include "game_fixture.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/popup.h"

namespace {

constexpr int kEndTurn = 43;
constexpr int kQuitToMenu = 44;

class GameOverTest : public GameTest {
protected:
    Game Solo() { return MakePlayedGame(kSinglePlayer, {{true, "ANNA"}, {false, "RED COMP"}}); }

    // The winner's box, then the view of the finished game, then back out.
    void ExpectGameOver(const std::string& winner) {
        player.When("the GAME OVER box", [this, winner] { return BoxShows("GAME OVER", winner, "IS VICTORIOUS"); },
                    [this](FakePlatform& f) {
                        EXPECT_EQ(buttonTable[kPopupCancelButton].state, kButtonHidden);
                        f.Key(VK_RETURN, 13);
                    });
        player.Then("the game-over view", [this] { return On(kGameOverScreen) && ShowsText(840, 240, "GAME OVER", 1); },
                    [this, winner] {
            EXPECT_TRUE(ShowsText(840, 280, winner, 0));
            EXPECT_TRUE(ShowsText(840, 300, "IS VICTORIOUS", 0));
            EXPECT_TRUE(ShowsButton(kQuitToMenu));
            EXPECT_EQ(buttonTable[kEndTurn].state, kButtonHidden);
        });
        ClickWhen("QUIT TO MAIN MENU", [] { return true; }, kQuitToMenu);
        ExitFromMenu();
    }
    void Run() {
        RunToQuit();
        EXPECT_TRUE(Seen(kGameOverScreen));
    }
};

TEST_F(GameOverTest, ConquestTheLastEnemyBaseFallsAndTheTurnEndsAtOnce) {
    Game game = Solo();
    WriteSavedGame(game, "SOLO-END.KV1");
    LaunchFirstListedGame("SOLO-END.KV1");
    DestroyBaseBeside(0, 1);
    player.When("ANNA's notice", [this] { return BoxShows("ANNA", "HAS DESTROYED", "RED COMP"); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    ExpectGameOver("ANNA");
    Run();
    // The seat is gone at once, its units with it, with the sound of its end.
    EXPECT_EQ(theGame.state.players[1].lifeState, kDead);
    EXPECT_EQ(UnitOf(1, kStandard), -1);
    EXPECT_NE(std::find(fake.sounds.begin(), fake.sounds.end(), "Sounds\\Explosion-Player.wav"), fake.sounds.end());
}

TEST_F(GameOverTest, AScoreAboveTheTargetEndsTheGameAsTheTurnStarts) {
    Game game = Solo();
    game.state.victoryType = kScoreVictory;
    game.state.victoryScore = 5000;
    game.state.players[0].score = 4990;  // the turn's income passes the target
    game.state.players[1].score = 300;
    WriteSavedGame(game, "SOLO-END.KV1");
    LaunchFirstListedGame("SOLO-END.KV1");
    ExpectGameOver("ANNA");
    Run();
    EXPECT_TRUE(Seen(kHumanTurnScreen));
    EXPECT_GT(theGame.state.players[0].score, 5000);
}

TEST_F(GameOverTest, TheTurnLimitPassesAfterTheComputersLastTurn) {
    Game game = Solo();
    game.state.victoryType = kTurnVictory;
    game.state.victoryTurn = 10;
    game.state.turn = 10;
    game.state.currentPlayer = 1;  // the computer plays the last turn
    game.state.players[0].score = 2000;
    game.state.players[1].score = 100;
    WriteSavedGame(game, "SOLO-END.KV1");
    LaunchFirstListedGame("SOLO-END.KV1");
    ExpectGameOver("ANNA");
    Run();
    EXPECT_TRUE(Seen(kComputerTurnScreen));
    EXPECT_EQ(theGame.state.turn, 11);
}

}  // namespace
