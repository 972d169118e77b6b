// The main menu: which of LOAD GAME and the continue button show, what the
// continue button makes current, the banner, and leaving.
#include <fstream>

#include "screen_fixture.h"
#include "screens/main_menu.h"
#include "screens/screens.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/text_layout.h"

namespace {


class MainMenuTest : public ScreenTest {
protected:
    static void Touch(const std::string& path) { std::ofstream(path) << "x"; }
};

TEST_F(MainMenuTest, LoadGameNeedsASavedGameAndContinueNeedsTheLastGamesFile) {
    ShowMainMenuButtons();  // a first run
    EXPECT_EQ(buttonTable[kLoadGameButton].state, kButtonHidden);
    EXPECT_EQ(buttonTable[kLastGameButton].state, kButtonHidden);
    Touch("Saved Games/hots-game-01.kv1");
    settings.lastGame.clear();  // must not offer the folder itself
    theGame.saveFileName = "KEPT.KV1";
    ShowMainMenuButtons();
    EXPECT_EQ(buttonTable[kLastGameButton].state, kButtonHidden);
    EXPECT_EQ(buttonTable[kLoadGameButton].state, kButtonActive);
    EXPECT_EQ(theGame.saveFileName, "KEPT.KV1");
    settings.lastGame = "HOTS-GAME-01.KV1";
    ShowMainMenuButtons();
    EXPECT_EQ(buttonTable[kLastGameButton].state, kButtonActive);
    EXPECT_EQ(buttonTable[kLastGameButton].label, "HOTS-GAME-01");
    EXPECT_EQ(theGame.saveFileName, "HOTS-GAME-01.KV1");
    settings.lastGame = "HOTS-GONE.KV1";
    ShowMainMenuButtons();
    EXPECT_EQ(buttonTable[kLastGameButton].state, kButtonHidden);
}

TEST_F(MainMenuTest, TheMenuShowsItsButtonsAndBannerAndTheButtonsLeadOn) {
    Then(
        [this] {
            for (int id : {kInformationButton, kSinglePlayerButton, kHotSeatButton, kPlayByMailButton,
                           kExitGameButton})
                EXPECT_TRUE(LabelShown(id, buttonTable[id].label)) << id;
            EXPECT_TRUE(TextShown(200, 750, kMainMenuBanner, kSmallFont));
        },
        5);
    ClickAt(10, 10);  // on no button: nothing happens
    ClickButtonId(kHotSeatButton);
    EXPECT_EQ(MainMenuScreen(), GoTo(kSetupScreen));
    EXPECT_EQ(theGame.state.gameType, kHotSeat);
    EXPECT_EQ(theGame.state.players[1].isHuman, 1);
    ClickButtonId(kExitGameButton);
    EXPECT_EQ(MainMenuScreen(), kQuit);
}

}  // namespace
