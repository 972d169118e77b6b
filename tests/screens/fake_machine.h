#pragma once
// The game on the fake machine, shared by the screen tests and the
// end-to-end tests: a fresh data folder holding the generated art, the
// program's globals as at its start, a scripted player, and ways of looking
// at the picture shown. A failing test leaves its pictures beside its output.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/unit_types.h"
#include "platform/fake_platform.h"
#include "platform/input.h"
#include "save/saved_game.h"
#include "screens/human_turn.h"
#include "shell/shell.h"
#include "support/read_file.h"
#include "support/scripted_player.h"
#include "support/temp_dir.h"
#include "ui/button_table.h"
#include "ui/popup.h"
#include "ui/text_layout.h"

// A data folder holding the generated art and an empty "Saved Games".
void MakeGameFolder(const std::string& folder);

// A game of the given type past its set-up, on a map grown from `mapSeed`
// (-1: no world yet) without units: one open, living, set-up seat a name
// (a computer seat's name ends in " COMP"), seat 0 in turn on turn 1.
Game PlayedGame(int gameType, const std::vector<std::string>& names, int mapSize = 27, int mapSeed = 1234);

// The middle of a map tile on the screen, as the view stands.
inline Point TileOnScreen(int x, int y) {
    return {(x - theGame.scrollX) * kTilePixels + kTilePixels / 2, (y - theGame.scrollY) * kTilePixels + kTilePixels / 2};
}

class FakeMachineTest : public InTempDir {
protected:
    void SetUp() override;
    // Every test plays its script to the end.
    void TearDown() override;
    // The program's globals as at its start, on the fake machine.
    void StartMachine();

    // Every lit pixel of the text's glyphs is shown at x, y.
    bool TextShown(int x, int y, std::string_view text, int size = 0) const;
    // The share (0 to 1) of the lit pixels of a rectangle of a surface slot shown at x, y.
    double ShareShown(int x, int y, const Rect& source, int slot = 0) const;
    bool PictureShown(int x, int y, const Rect& source, int slot = 0) const { return ShareShown(x, y, source, slot) == 1; }
    // For a picture that other things are drawn over (health, marks, the cursor).
    bool PictureMostlyShown(int x, int y, const Rect& source) const { return ShareShown(x, y, source) >= 0.75; }
    // The button's label (this one, if given) where the button table centres
    // it, the button not hidden.
    bool LabelShown(int id, std::string_view label = {}) const;
    // A pop-up box is drawn, with these lines centred in it (an empty line: any).
    bool BoxShows(const std::string& prompt, const std::string& text = "", const std::string& hint = "") const;
    bool PopupShowing() const { return BoxShows(""); }
    uint32_t Pixel(int x, int y) const { return fake.Fake() ? fake.Fake()->PixelAt(x, y) : 0; }
    // Writes the picture shown as <name>.bmp into the test's own folder of pictures.
    void SavePicture(const std::string& name) const;

    mutable FakePlatform fake;
    ScriptedPlayer player{fake};
};
