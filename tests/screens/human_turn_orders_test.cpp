// What each order does to the game is the rules' business (tests/game).

#include "screen_fixture.h"
#include "screens/unit_picture.h"

namespace {

using HumanTurnOrdersTest = TurnTest;

TEST_F(HumanTurnOrdersTest, ALeftClickSelectsAUnitAndShowsItsDetailsReachAndMarks) {
    ASSERT_TRUE(SaveGameToFile(theGame));
    ClickTile(2, 4);
    Then([&] {
        EXPECT_EQ(theGame.selectedUnit, soldier);
        EXPECT_EQ(fake.sounds.back(), "Sounds\\Select-Unit.wav");
        for (auto [y, line] : {std::pair{287, "FIREBIRD STANDARD UNIT"}, {300, "HEALTH : 10 OF 10"}, {313, "DAMAGE : 2 TO 5"}})
            EXPECT_TRUE(TextShown(835, y, line)) << line;
        EXPECT_TRUE(PictureShown(2 * 64 + 27, 6 * 64 + 27, sheet::kMoveReadyMark));  // within reach
        EXPECT_EQ(buttonTable[kStandardIconButton].state, kButtonHidden);  // not its own type
    });
    ClickTile(2, 7, 2);
    ClickTile(5, 5);  // an empty tile: the selection goes
    Then([&] {
        EXPECT_TRUE(PictureMostlyShown(2 * 64, 7 * 64, sheet::UnitPicture(kStandard, kFirebird, kGreen)));
        // Only the attack-ready mark is left under the moved unit; the other has both.
        EXPECT_TRUE(PictureShown(2 * 64 + 10, 7 * 64 + 50, sheet::kAttackReadyMark));
        EXPECT_FALSE(PictureShown(2 * 64 + 44, 7 * 64 + 50, sheet::kMoveReadyMark));
        EXPECT_TRUE(PictureShown(4 * 64 + 44, 2 * 64 + 50, sheet::kMoveReadyMark));
        EXPECT_TRUE(TextShown(4 * 64 + 24, 2 * 64 + 48, "10"));  // health centred under a unit
        EXPECT_TRUE(TextShown(2 * 64 + 24, 2 * 64 + 25, "10"));  // and over a base
    });
    EndTurn();
}

TEST_F(HumanTurnOrdersTest, AnAttackHoldsEveryClickUntilItsExplosionIsOver) {
    const int victim = CreateUnit(theGame, 3, 4, 1, kStandard);
    theGame.state.units[victim].health = 1;
    ASSERT_TRUE(SaveGameToFile(theGame));
    int attackFrame = 0;
    ClickTile(2, 4);
    Then([&] { EXPECT_TRUE(PictureShown(3 * 64 + 16, 4 * 64 + 16, sheet::kAttackMarker)); });
    ClickTile(3, 4, 2);
    Then([&] {
        attackFrame = fake.Frames();
        bool exploding = false;
        for (int k = 0; k < sheet::kExplosionFrames; ++k) exploding |= PictureMostlyShown(3 * 64, 4 * 64, sheet::ExplosionFrame(k));
        EXPECT_TRUE(exploding);
        fake.Click(2 * 64 + 32, 2 * 64 + 32);  // the base, while the victim explodes
    });
    Then([&] {
        EXPECT_GE(fake.Frames() - attackFrame, 16);  // 16 steps of the explosion, two frames each
        EXPECT_EQ(theGame.selectedUnit, base);
        EXPECT_EQ(theGame.statusMessage, "");
    });
    EndTurn();
}

TEST_F(HumanTurnOrdersTest, ThePanelsCommandsSayWhatTheyCostAndPassTheirOrders) {
    theGame.state.players[0].energy = 620;
    theGame.state.units[other].health = 4;
    ASSERT_TRUE(SaveGameToFile(theGame));
    const auto pointAt = [this](int id) {
        const Rect& r = buttonTable[id].rect;
        Then([this, r] { fake.SetCursor((r.left + r.right) / 2, (r.top + r.bottom) / 2); });
    };
    ClickTile(2, 2);
    ClickTile(3, 3, 2);  // a unit bought beside the base
    Then([&] {
        EXPECT_TRUE(TextShown(870, 253, std::to_string(theGame.state.players[0].energy), kLargeFont));
        EXPECT_TRUE(TextShown(838, 594, "UNIT COUNT: 3 OF 20"));
    });
    ClickTile(2, 4);
    pointAt(kAirIconButton);
    Then([&] { EXPECT_TRUE(TextShown(16, 730, "CHANGE INTO AN AIR UNIT: NO ENERGY, USING THE UNIT'S ATTACK")); });
    ClickButtonId(kAirIconButton);
    Then([&] { EXPECT_TRUE(PictureMostlyShown(2 * 64, 4 * 64, sheet::UnitPicture(kAir, kFirebird, kGreen))); });
    ClickTile(4, 2);
    pointAt(kRepairButton);
    Then([&] {
        EXPECT_TRUE(LabelShown(kRepairButton, "REPAIR FOR 12"));
        EXPECT_TRUE(TextShown(16, 730, "REPAIR 6 HEALTH FOR 12 ENERGY (2 A POINT), USING THE UNIT'S ATTACK"));
    });
    ClickButtonId(kRepairButton);
    pointAt(kPowerButton);
    Then([&] {
        EXPECT_TRUE(TextShown(16, 730, "6 SHIELDS REPAIRED")) << "the rules' message comes before a hint";
        EXPECT_EQ(buttonTable[kRepairButton].state, kButtonHidden);
        theGame.statusMessage.clear();
    });
    Then([&] {
        EXPECT_TRUE(TextShown(16, 730, "RAISE THE POWER LEVEL TO 20 FOR 500 ENERGY: EVERY UNIT GAINS 10 HEALTH AND HITS HARDER"));
    });
    ClickButtonId(kPowerButton);
    Then([&] { EXPECT_TRUE(TextShown(838, 546, "POWER LEVEL: 20")); });
    EndTurn();
}

}  // namespace
