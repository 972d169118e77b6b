// Files that go wrong under the players' feet do not end the program: a
// damaged game behind the continue button, and a turn that cannot be saved.
#include <filesystem>

#include "game_fixture.h"
#include "shell/shell.h"
#include "ui/button_table.h"

namespace fs = std::filesystem;

namespace {


using SoundFailureTest = GameTest;

TEST_F(SoundFailureTest, ADamagedLastGameBehindTheContinueButtonLeadsBackToTheMainMenu) {
    WriteFile("Saved Games/HOTS-BROKEN.KV1", "\x02" "99garbage");
    ContinueWith("HOTS-BROKEN.KV1");
    player.When("the notice", [this] {
        return BoxShows("THIS GAME CANNOT BE READ", "HOTS-BROKEN", "THE FILE IS MISSING OR DAMAGED");
    }, [this](FakePlatform& f) {
        f.Key(VK_RETURN, 13);
    });
    ExitFromMenu();
    RunToQuit();
    EXPECT_NE(ReadFile("Run.log").find("HOTS-BROKEN.KV1"), std::string::npos);
}

TEST_F(SoundFailureTest, ATurnThatCannotBeSavedIsToldAndTheLastGoodFileStays) {
    Game game = MakePlayedGame(kSinglePlayer, {{true, "ANNA"}, {false, "RED COMP"}});
    WriteSavedGame(game, "SOLO-KEEP.KV1");
    const std::string good = ReadFile("Saved Games/SOLO-KEEP.KV1");
    ContinueWith("SOLO-KEEP.KV1");
    // While ANNA plays, the saved-games folder stops taking new files.
    player.When("ANNA's turn", [this] { return On(kHumanTurnScreen) && ShowsButton(kEndTurnButton); },
                [this](FakePlatform& f) {
        fs::rename("Saved Games", "Kept Games");
        WriteFile("Saved Games", "a file where the folder was");
        ClickButtonNow(f, kEndTurnButton);
    });
    player.When("the notice", [this] {
        return BoxShows("THE GAME COULD NOT BE SAVED", "SOLO-KEEP", "THE LAST SAVED TURN IS KEPT");
    }, [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
    ExitFromMenu();
    RunToQuit();
    EXPECT_FALSE(Seen(kComputerTurnScreen));
    EXPECT_EQ(ReadFile("Kept Games/SOLO-KEEP.KV1"), good);
}

}  // namespace
