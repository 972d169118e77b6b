// The hand-over as the screens run it: the end of a turn saves the game and
// the next seat's turn starts from what is read back; a turn that cannot be
// saved or read back goes no further.
#include <filesystem>

#include "handover/hand_over.h"
#include "save/saved_game.h"
#include "support/game_builder.h"
#include "support/temp_dir.h"

namespace {

using HandOverTest = InTempDir;

TEST_F(HandOverTest, TheNextSeatStartsFromTheSavedGameOrNotAtAll) {
    std::filesystem::create_directory("Saved Games");
    Game game = MakeTestGame(kHotSeat);
    game.map.mapSeed = 4242;
    MakeSaveFileName(game);
    CreateUnit(game, 1, 1, 0, kBase), CreateUnit(game, 20, 20, 1, kBase);
    game.scrollX = 5;
    ASSERT_TRUE(EndTurn(game));
    game.state.currentPlayer = 0, game.state.players[0].viewX = 0;
    EXPECT_EQ(HandOver(game), SeatNext::kHumanTurn);
    EXPECT_EQ(game.state.currentPlayer, 1);
    EXPECT_EQ(game.state.players[0].viewX, 5);  // the view went into the file

    game.saveFileName = "HOTS-MISSING.KV1";
    EXPECT_EQ(HandOver(game), std::nullopt);
    game.saveFolder = "No Such Folder";
    EXPECT_FALSE(EndTurn(game));
}

}  // namespace
