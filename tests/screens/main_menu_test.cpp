// Where the buttons lead, and LOAD GAME only with a saved game, are played end to end.

#include <fstream>

#include "screen_fixture.h"
#include "screens/main_menu.h"
#include "shell/settings.h"

namespace {

using MainMenuTest = ScreenTest;

TEST_F(MainMenuTest, ContinueNeedsTheLastGamesFile) {
    std::ofstream("Saved Games/hots-game-01.kv1") << "x";
    theGame.saveFileName = "KEPT.KV1";
    const struct { const char* lastGame; bool offered; } cases[] = {
        {"", false}, {"HOTS-GONE.KV1", false}, {"HOTS-GAME-01.KV1", true}};
    for (const auto& c : cases) {
        settings.lastGame = c.lastGame;
        ShowMainMenuButtons();
        EXPECT_EQ(buttonTable[kLastGameButton].state == kButtonActive, c.offered) << c.lastGame;
        EXPECT_EQ(theGame.saveFileName, c.offered ? c.lastGame : "KEPT.KV1");
    }
    EXPECT_EQ(buttonTable[kLastGameButton].label, "HOTS-GAME-01");
}

}  // namespace
