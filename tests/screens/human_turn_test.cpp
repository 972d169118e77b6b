#include <filesystem>
#include <unistd.h>

#include "handover/turn_memory.h"
#include "platform/files.h"
#include "screen_fixture.h"

namespace {

using HumanTurnTest = TurnTest;

TEST_F(HumanTurnTest, ThePanelShowsThePlayersFiguresAndTheOpenSeatsScoresAndF3TheDetails) {
    theGame.state.players[1].score = 1234;
    theGame.state.players[1].name = "A NAME LONGER THAN TWENTY-TWO";
    ASSERT_TRUE(SaveGameToFile(theGame));
    Then([&] {
        for (auto [y, line] : {std::pair{546, "POWER LEVEL: 10"}, {562, "INCOME: 70"}, {578, "VICTORY: CONQUER"},
                               {594, "UNIT COUNT: 2 OF 20"}, {648, "70 : ALICE"}, {664, "1234 : A NAME LONGER T"}})
            EXPECT_TRUE(TextShown(838, y, line)) << line;
        EXPECT_FALSE(TextShown(838, 664, "1234 : A NAME LONGER TH")) << "cut to 22 characters";
        EXPECT_FALSE(TextShown(838, 680, "0 : ")) << "no line for a closed seat";
    });
    Press(VK_F3);
    Then([&] { EXPECT_TRUE(TextShown(30, 370, "YOUR BASE INCOME : 50")); });  // from the seat's one base
    TypeKeys("\x1b");
    EndTurn();
}

TEST_F(HumanTurnTest, TheReportOpensAtTheStartAgainOnF4AndItsMarksGoWithTheFirstOrder) {
    ASSERT_TRUE(KeepTurnMemory(theGame));
    theGame.state.units[soldier].state = kFree;
    theGame.state.turn = 2;
    StartViewAt(0, 0);
    const auto reportShown = [this] { return TextShown(30, 90, "YOUR STANDARD UNIT DESTROYED AT 2,4"); };
    Then([&] { EXPECT_TRUE(reportShown()); });
    TypeKeys("\r");
    Then([&] { EXPECT_TRUE(PictureShown(2 * 64, 4 * 64, sheet::kAttackMarker)); });
    Press(VK_F4);
    Then([&] { EXPECT_TRUE(reportShown()); });
    TypeKeys("\r");
    ClickTile(6, 6);
    Then([&] { EXPECT_TRUE(TurnShown()); EXPECT_FALSE(PictureShown(2 * 64, 4 * 64, sheet::kAttackMarker)); });
    EndTurn();
}

TEST_F(HumanTurnTest, ANewWorldThatCannotBeSavedIsReportedOnScreen) {
    NewGame(kSinglePlayer, {"ALICE", "RED COMP"}, 27, -1);
    ASSERT_TRUE(SaveGameToFile(theGame));
    // The safe replace writes beside the file first: a folder in the way
    // makes the save fail while the old file stays (tests/save).
    std::filesystem::create_directory(ResolveGamePath(SaveGamePath(theGame)) + ".tmp" + std::to_string(::getpid()));
    Then([&] { EXPECT_TRUE(BoxShows("THE GAME COULD NOT BE SAVED", "SOLO-TEST", "THE LAST SAVED TURN IS KEPT")); });
    TypeKeys("\r");
    EXPECT_EQ(RunHumanTurn(), GoTo(kMainMenuScreen));
}

// A selection is no order.
TEST_F(HumanTurnTest, LeavingAfterOrdersAsksFirstAndLeavesWithoutSaving) {
    ASSERT_TRUE(SaveGameToFile(theGame));
    const std::string before = ReadFile(ResolveGamePath(SaveGamePath(theGame)));
    const auto asked = [this] { return BoxShows("LEAVE THIS TURN?", "ITS ORDERS WILL BE LOST"); };
    ClickTile(2, 4);
    ClickButtonId(kQuitToMenuButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kMainMenuScreen));
    ClickTile(2, 4);
    ClickTile(2, 6, 2);
    ClickButtonId(kQuitToMenuButton);
    Then([&] { EXPECT_TRUE(asked()); });
    TypeKeys("\x1b");  // the turn goes on
    Press(VK_F2);
    Then([&] { fake.Close(); });  // the open box gives way to the question
    int closedAt = 0;
    Then([&] {
        EXPECT_TRUE(asked());
        EXPECT_FALSE(window->IsDestroyed());
        closedAt = fake.Frames();
        fake.Close();  // closing again while asked is a yes, at once
    });
    EXPECT_EQ(RunHumanTurn(), kFatal);
    EXPECT_TRUE(window->IsDestroyed());
    EXPECT_LT(fake.Frames() - closedAt, 10);
    EXPECT_EQ(ReadFile(ResolveGamePath(SaveGamePath(theGame))), before);
}

}  // namespace
