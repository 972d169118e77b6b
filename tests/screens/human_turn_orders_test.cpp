// Orders given with the mouse as the screen shows them: selecting, moving,
// inspecting an enemy, attacking with its explosion, buying at a base,
// converting, repairing, raising the power level and the two turn checks.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/unit_types.h"
#include "platform/input.h"
#include "screen_fixture.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

namespace {


class HumanTurnOrdersTest : public ScreenTest {
protected:
    // Seat 0 in the top-left corner: a base on the corner clearing and two
    // STANDARD units on the land around it; seat 1's base far away.
    void SetUp() override {
        ScreenTest::SetUp();
        NewSinglePlayerGame();
        base = PlaceUnit(2, 2, 0, kBase);
        soldier = PlaceUnit(2, 4, 0, kStandard);
        other = PlaceUnit(4, 2, 0, kStandard);
        enemyBase = PlaceUnit(24, 24, 1, kBase);
    }
    int Energy() const { return theGame.state.players[0].energy; }
    bool Played(const std::string& sound) const {
        return std::find(fake.sounds.begin(), fake.sounds.end(), sound) != fake.sounds.end();
    }
    // Whether any frame of an animation is drawn at x, y.
    bool AnyFrameShown(int x, int y, Rect (*frame)(int), int frames) const {
        for (int k = 0; k < frames; ++k) {
            if (PictureMostlyShown(x, y, frame(k))) return true;
        }
        return false;
    }
    int base = -1, soldier = -1, other = -1, enemyBase = -1;
};

TEST_F(HumanTurnOrdersTest, ALeftClickSelectsAUnitAndShowsItsDetailsAndReach) {
    SaveGame();
    ClickTile(2, 4);
    Then([&] {
        EXPECT_EQ(theGame.unitSelected, 1);
        EXPECT_EQ(theGame.selectedUnit, soldier);
        EXPECT_TRUE(Played("Sounds\\Select-Unit.wav"));
        EXPECT_TRUE(TextShown(835, 287, "FIREBIRD STANDARD UNIT", kSmallFont));
        EXPECT_TRUE(TextShown(835, 300, "HEALTH : 10 OF 10", kSmallFont));
        EXPECT_TRUE(TextShown(835, 313, "DAMAGE : 2 TO 5", kSmallFont));
        EXPECT_TRUE(AnyFrameShown(2 * 64, 4 * 64, sheet::CursorFrame, sheet::kCursorFrames));
        // Two steps down is within reach: the reach marker sits in the tile's middle.
        EXPECT_GT(theGame.map.tiles[2][6].reach, 0);
        EXPECT_TRUE(PictureShown(2 * 64 + 27, 6 * 64 + 27, sheet::kMoveReadyMark));
        // The type buttons a STANDARD unit may use: not its own type.
        for (int id : {kAirIconButton, kTankIconButton, kArtilleryIconButton}) EXPECT_EQ(buttonTable[id].state, kButtonActive) << id;
        EXPECT_EQ(buttonTable[kStandardIconButton].state, kButtonHidden);
        EXPECT_TRUE(PictureShown(930 + 13, 357 + 8, sheet::UnitPicture(kAir, kFirebird, kGreen)));
    });
    ClickTile(2, 7, 2);
    Then([&] {
        const Unit& u = theGame.state.units[soldier];
        EXPECT_EQ(u.x, 2);
        EXPECT_EQ(u.y, 7);
        EXPECT_EQ(u.canMove, 0);
        EXPECT_EQ(u.canAttack, 1);
        EXPECT_TRUE(Played("Sounds\\Move-Standard.wav"));
        EXPECT_TRUE(PictureMostlyShown(2 * 64, 7 * 64, sheet::UnitPicture(kStandard, kFirebird, kGreen)));
    });
    ClickTile(5, 5);  // an empty tile: the selection goes
    Then([&] {
        EXPECT_EQ(theGame.unitSelected, 0);
        // Only the attack-ready mark is left under the moved unit; the other
        // soldier still has both.
        EXPECT_TRUE(PictureShown(2 * 64 + 10, 7 * 64 + 50, sheet::kAttackReadyMark));
        EXPECT_FALSE(PictureShown(2 * 64 + 44, 7 * 64 + 50, sheet::kMoveReadyMark));
        EXPECT_TRUE(PictureShown(4 * 64 + 10, 2 * 64 + 50, sheet::kAttackReadyMark));
        EXPECT_TRUE(PictureShown(4 * 64 + 44, 2 * 64 + 50, sheet::kMoveReadyMark));
        // Health centred under the picture: two digits at sx + 24.
        EXPECT_TRUE(TextShown(4 * 64 + 24, 2 * 64 + 48, "10", kSmallFont));
        EXPECT_TRUE(TextShown(2 * 64 + 24, 2 * 64 + 25, "10", kSmallFont));
    });
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

TEST_F(HumanTurnOrdersTest, AnEnemyIsInspectedButNotOrderedAndAnAttackHoldsEveryClickUntilItsExplosionIsOver) {
    const int victim = PlaceUnit(3, 4, 1, kStandard);
    theGame.state.units[victim].health = 1;
    SaveGame();
    int energyBefore = 0, attackFrame = 0;
    ClickTile(3, 4);
    Then([&] {
        EXPECT_EQ(theGame.selectedUnit, victim);
        EXPECT_TRUE(TextShown(835, 287, "WASP STANDARD UNIT", kSmallFont));
        for (int id : {kRepairButton, kStandardIconButton, kBaseIconButton, kAirIconButton, kTankIconButton, kArtilleryIconButton}) EXPECT_EQ(buttonTable[id].state, kButtonHidden) << id;
    });
    ClickTile(3, 6, 2);
    Then([&] { EXPECT_EQ(theGame.state.units[victim].y, 4); });
    ClickTile(2, 4);
    Then([&] {
        energyBefore = Energy();
        EXPECT_EQ(theGame.map.tiles[3][4].attackMark, 1);
        EXPECT_TRUE(PictureShown(3 * 64 + 16, 4 * 64 + 16, sheet::kAttackMarker));
    });
    ClickTile(3, 4, 2);
    Then(
        [&] {
            attackFrame = fake.Frames();
            EXPECT_EQ(theGame.state.units[victim].state, kDestroyed);
            EXPECT_TRUE(AnyFrameShown(3 * 64, 4 * 64, sheet::ExplosionFrame, sheet::kExplosionFrames));
            EXPECT_TRUE(theGame.statusMessage.ends_with(" : AWARD = 60 : * 1 UNITS DESTROYED *"))
                << theGame.statusMessage;
            EXPECT_TRUE(TextShown(16, 730, theGame.statusMessage, kSmallFont));
            EXPECT_EQ(Energy(), energyBefore + 60);
            EXPECT_TRUE(Played("Sounds\\Explosion-Unit.wav"));
            fake.Click(2 * 64 + 32, 2 * 64 + 32);  // the base, while the victim explodes
        });
    Then([&] {
        // The click waited for all 16 steps of the explosion (two frames each).
        EXPECT_GE(fake.Frames() - attackFrame, 16);
        EXPECT_EQ(theGame.state.units[victim].state, kFree);
        EXPECT_EQ(theGame.selectedUnit, base);
        EXPECT_EQ(theGame.statusMessage, "");
    });
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

// The single player's first turn runs every order from start to end through
// the main menu; here each order's cost, picture and refusal are looked at.
TEST_F(HumanTurnOrdersTest, BuyingConvertingRepairingAndRaisingThePowerCostAndShowAsTheyShould) {
    theGame.state.players[0].energy = 1000;
    theGame.state.units[other].health = 4;
    SaveGame();
    int energy = 0;
    ClickTile(2, 2);
    Then([&] {
        energy = Energy();
        EXPECT_TRUE(TextShown(835, 287, "FIREBIRD BASE", kSmallFont));
        EXPECT_TRUE(TextShown(850, 400, "UNIT COST:", kLargeFont));
        EXPECT_TRUE(TextShown(900, 425, "100", kLargeFont));
        EXPECT_TRUE(PictureShown(3 * 64 + 16, 3 * 64 + 16, sheet::BuildMarker(kFirebird)));
    });
    ClickTile(3, 3, 2);
    Then([&] {
        const int bought = ActiveUnitAt(theGame, 3, 3);
        ASSERT_GE(bought, 0);
        EXPECT_EQ(theGame.state.units[bought].type, kStandard);
        EXPECT_EQ(Energy(), energy - 100);
        EXPECT_TRUE(TextShown(870, 253, std::to_string(Energy()), kLargeFont));
        EXPECT_TRUE(TextShown(838, 594, "UNIT COUNT: 3 OF 20", kSmallFont));
    });
    auto seen = [] {
        int n = 0;
        for (const auto& column : theGame.visibleTiles) n += static_cast<int>(std::count(column.begin(), column.end(), 1));
        return n;
    };
    int seenBefore = 0;
    ClickTile(2, 4);
    Then([&] { seenBefore = seen(); });
    ClickButtonId(kAirIconButton);
    Then([&] {
        EXPECT_EQ(theGame.state.units[soldier].type, kAir);
        EXPECT_EQ(theGame.state.units[soldier].canAttack, 0);
        EXPECT_GT(seen(), seenBefore);
        EXPECT_TRUE(PictureMostlyShown(2 * 64, 4 * 64, sheet::UnitPicture(kAir, kFirebird, kGreen)));
        for (int id = kStandardIconButton; id <= kArtilleryIconButton; ++id) EXPECT_EQ(buttonTable[id].state, kButtonHidden) << id;
    });
    ClickTile(4, 2);
    Then([&] {
        energy = Energy();
        EXPECT_TRUE(LabelShown(kRepairButton, "REPAIR FOR 12"));
    });
    ClickButtonId(kRepairButton);
    Then([&] {
        EXPECT_EQ(theGame.state.units[other].health, 10);
        EXPECT_EQ(Energy(), energy - 12);
        EXPECT_TRUE(TextShown(16, 730, "6 SHIELDS REPAIRED", kSmallFont));
        EXPECT_EQ(buttonTable[kRepairButton].state, kButtonHidden);
        energy = Energy();
        EXPECT_TRUE(LabelShown(kPowerButton, "20 POWER FOR 500"));
    });
    ClickButtonId(kPowerButton);
    Then([&] {
        EXPECT_EQ(theGame.state.players[0].powerLevel, 20);
        EXPECT_EQ(Energy(), energy - 500);
        for (int slot : {base, soldier, other}) EXPECT_EQ(theGame.state.units[slot].health, 20) << slot;
        EXPECT_EQ(theGame.state.units[enemyBase].health, 10);
        EXPECT_TRUE(LabelShown(kPowerButton, "30 POWER FOR 750"));
        EXPECT_TRUE(TextShown(838, 546, "POWER LEVEL: 20", kSmallFont));
    });
    ClickButtonId(kPowerButton);
    Then([&] {
        EXPECT_EQ(theGame.state.players[0].powerLevel, 20);
        EXPECT_TRUE(TextShown(16, 730, "NOT ENOUGH ENERGY", kSmallFont));
        EXPECT_EQ(fake.sounds.back(), "Sounds\\Buzzer.wav");
    });
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

TEST_F(HumanTurnOrdersTest, PointingAtAPanelCommandSaysWhatItDoesAndWhatItCosts) {
    theGame.state.units[other].health = 4;
    SaveGame();
    auto pointAt = [this](int id) {
        const Rect& r = buttonTable[id].rect;
        fake.SetCursor((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    const struct {
        int x, y, id;
        const char* hint;
    } cases[] = {
        {4, 2, kRepairButton, "REPAIR 6 HEALTH FOR 12 ENERGY (2 A POINT), USING THE UNIT'S ATTACK"},
        {4, 2, kPowerButton, "RAISE THE POWER LEVEL TO 20 FOR 500 ENERGY: EVERY UNIT GAINS 10 HEALTH AND HITS HARDER"},
        {2, 4, kAirIconButton, "CHANGE INTO AN AIR UNIT: NO ENERGY, USING THE UNIT'S ATTACK"},
    };
    for (const auto& c : cases) {
        ClickTile(c.x, c.y);
        Then([&] { pointAt(c.id); });
        Then([&] {
            EXPECT_TRUE(TextShown(16, 730, c.hint, kSmallFont)) << c.hint;
            fake.SetCursor(400, 400);
        });
        Then([&] { EXPECT_FALSE(TextShown(16, 730, c.hint, kSmallFont)) << "the hint goes with the pointer"; });
    }
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}

}  // namespace
