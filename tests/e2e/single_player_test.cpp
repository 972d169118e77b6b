// A single-player game from the main menu: the set-up, a first turn with a
// move, END TURN, the computer's turn and the next turn. Each kind of order
// is given through the turn screen in tests/screens.
#include <functional>

#include "game/unit_types.h"
#include "game_fixture.h"
#include "save/saved_game.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

namespace {


// The seat-0 units of the world, found as a player finds them on the map.
struct Army {
    int base = -1;
    std::vector<int> standards;
};

Army FindArmy(int owner) {
    Army army;
    for (int i = 0; i < kMaxUnits; ++i) {
        const Unit& u = theGame.state.units[i];
        if (u.state != kActive || u.owner != owner) continue;
        if (u.type == kBase) army.base = i;
        if (u.type == kStandard) army.standards.push_back(i);
    }
    return army;
}

// The first tile with the given marker on the map, or x = -1.
template <typename Marked>
Point FirstMarked(Marked marked) {
    for (int x = 0; x < theGame.map.mapSize; ++x)
        for (int y = 0; y < theGame.map.mapSize; ++y)
            if (marked(theGame.map.tiles[x][y])) return {x, y};
    return {-1, -1};
}

class SinglePlayerTest : public GameTest {
protected:
    bool Selected(int slot) const { return theGame.unitSelected && theGame.selectedUnit == slot; }
    // The slot of one of the army's units, read when the script gets to it.
    std::function<int()> Standard(int k) { return [this, k] { return army.standards[k]; }; }
    // A left click on a unit, to select it.
    void Select(const std::string& what, std::function<int()> slot) {
        player.When(what + ", to select it", [] { return true; }, [slot](FakePlatform& f) {
            const Point at = TileOnScreen(theGame.state.units[slot()].x, theGame.state.units[slot()].y);
            f.Click(at.x, at.y);
        });
    }
    // Once the unit is selected, a right click on the tile `where` gives.
    void OrderOnTile(const std::string& what, std::function<int()> slot, std::function<Point()> where) {
        player.When(what, [this, slot] { return Selected(slot()); }, [where](FakePlatform& f) {
            const Point tile = where();
            ASSERT_GE(tile.x, 0);
            const Point at = TileOnScreen(tile.x, tile.y);
            f.RightClick(at.x, at.y);
        });
    }

    Army army;
    Point moveTarget{-1, -1};
};

TEST_F(SinglePlayerTest, FromTheMainMenuThroughSetUpAFirstTurnAndTheComputerTurnBack) {
    ClickWhen("the main menu", [this] { return On(kMainMenuScreen) && ShowsButton(kSinglePlayerButton); }, kSinglePlayerButton);
    player.When("the set-up screen, to make the map tiny", [this] {
        return On(kSetupScreen) && ShowsButton(kGameTypeButton) && ShowsButton(kMapSizeButton);
    }, [this](FakePlatform& f) {
        EXPECT_EQ(buttonTable[kGameTypeButton].label, "SINGLE PLAYER");
        EXPECT_EQ(buttonTable[kMapSizeButton].label, "NORMAL (40)");
        EXPECT_EQ(buttonTable[kSeatKindButton + 2].state, kButtonHidden);  // seat 2 closed: its kind is not shown
        const Rect& r = buttonTable[kMapSizeButton].rect;
        f.RightClick(r.left + 5, r.top + 5);
    });
    player.When("SMALL, once more", [this] { return buttonTable[kMapSizeButton].label == "SMALL (30)"; },
                [](FakePlatform& f) { f.RightClick(40, 565); });
    ClickWhen("TINY, to choose a terrain", [this] { return ShowsButton(kMapSizeButton) && theGame.map.mapSize == 27; },
          kTerrainButton);
    player.Then("the terrain and its preview", [this] { return buttonTable[kTerrainButton].label != "RANDOM" &&
                                                                ShowsButton(kTerrainButton); }, [this] {
        EXPECT_TRUE(ShowsPicture(808, 472, {0, 352, 64, 416}));  // the GREEN BASE of the preview
        EXPECT_TRUE(ShowsButton(kMapSizeButton));
    });
    ClickWhen("the set-up, to launch", [this] { return On(kSetupScreen); }, kSetupLaunchButton);
    player.Then("the first turn", [this] { return On(kHumanTurnScreen) && ShowsText(16, 730, "PRESS F1 FOR HELP", 0); },
                [this] {
        EXPECT_EQ(theGame.saveFileName, "SOLO-GAME-01.KV1");
        EXPECT_EQ(theGame.state.turn, 1);
        EXPECT_EQ(theGame.state.players[1].name, "RED COMP");
        EXPECT_EQ(theGame.map.mapSize, 27);
        EXPECT_NE(theGame.map.mapSeed, -1);
        EXPECT_TRUE(ShowsButton(kEndTurnButton));
        EXPECT_EQ(buttonTable[kEndTurnButton].label, "END TURN 1");
        army = FindArmy(0);
        ASSERT_EQ(army.standards.size(), 4u);
        ASSERT_GE(army.base, 0);
    });
    // A move to a tile its reach marker shows.
    Select("the first unit", Standard(0));
    OrderOnTile("its reach, to move", Standard(0), [this] {
        return moveTarget = FirstMarked([](const Tile& t) { return t.reach > 0; });
    });
    player.Then("the unit moved", [this] { return theGame.state.units[army.standards[0]].canMove == 0; }, [this] {
        EXPECT_EQ(theGame.state.units[army.standards[0]].x, moveTarget.x);
        EXPECT_EQ(theGame.state.units[army.standards[0]].y, moveTarget.y);
    });
    ClickWhen("END TURN", [this] { return ShowsButton(kEndTurnButton); }, kEndTurnButton);
    player.Then("the second turn", [this] { return On(kHumanTurnScreen) && theGame.state.turn == 2; }, [this] {
        EXPECT_TRUE(Seen(kComputerTurnScreen));
        EXPECT_EQ(buttonTable[kEndTurnButton].label, "END TURN 2");
        EXPECT_EQ(theGame.state.currentPlayer, 0);
        EXPECT_FALSE(theGame.statusMessage == "PRESS F1 FOR HELP");
    });
    player.When("the report of the computer's turn, to close it", [this] { return ReportShowing(); },
                [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    ClickWhen("QUIT TO MAIN MENU", [this] { return ShowsButton(kQuitToMenuButton); }, kQuitToMenuButton);
    player.Then("the main menu with the game to continue", [this] {
        return On(kMainMenuScreen) && ShowsButton(kLastGameButton);
    }, [this] { EXPECT_EQ(buttonTable[kLastGameButton].label, "SOLO-GAME-01"); });
    ExitFromMenu();
    RunToQuit();
    // The file holds the game as the second turn was handed over.
    Game saved;
    saved.saveFileName = "SOLO-GAME-01.KV1";
    ASSERT_TRUE(LoadGameFromFile(saved));
    EXPECT_EQ(saved.state.turn, 2);
    EXPECT_NE(ReadFile("Korvessa.ini").find("SOLO-GAME-01.KV1"), std::string::npos);
}

}  // namespace
