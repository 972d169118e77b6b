#pragma once
// The whole program on the fake platform, in a fresh data folder that holds
// the generated art: a test scripts a player, runs the program from its main
// menu to its end, and looks at the game, the files and the pictures shown.
// When a test fails, the pictures it kept are written as BMP files into the
// screenshot folder of the build, named after the test.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/state.h"
#include "platform/fake_platform.h"
#include "scripted_player.h"
#include "shell/screen_loop.h"
#include "support/temp_dir.h"

// The first active unit of an owner and type in the game, or -1.
int UnitOf(int owner, int type);
// The middle of a map tile on the screen, as the view stands.
Point TileOnScreen(int x, int y);

class GameTest : public InTempDir {
protected:
    void SetUp() override;
    void TearDown() override;

    // A second installation of the game in a folder of its own, for games
    // passed between players; the next run happens there.
    static void MakeDataFolder(const std::string& folder);
    static void EnterFolder(const std::string& folder);
    // A fresh machine for the next run of the program: a new fake platform
    // and player, the program's globals as at its start.
    void NewSession();

    // Runs the program until it ends; its result (0) is of no interest, the
    // last screen result is in lastResult.
    void RunProgram();

    // The screen state the program is in (-1 before and after the run).
    int Screen() const { return screen_; }
    bool On(int screen) const { return screen_ == screen; }
    // The program has been on that screen at some time during the run.
    bool Seen(int screen) const;
    // A pop-up box with this first line is open and drawn.
    bool PopupShowing(const std::string& prompt) const;
    bool PopupShowing() const;

    // The three lines of the open box, centred where the box puts them.
    bool BoxShows(const std::string& prompt, const std::string& text, const std::string& hint) const;

    // Whether the presented picture shows `text` in a font at x, y: every
    // glyph pixel of the sprite sheet is where the text's cells put it.
    bool ShowsText(int x, int y, const std::string& text, int size) const;
    // A button's label where the button table places it, plate drawn or not.
    bool ShowsButton(int id) const;
    // The non-black pixels of a rectangle of a surface slot are on the
    // presented picture at x, y (nine in ten: marks may lie over it).
    bool ShowsPicture(int x, int y, const Rect& source, int slot = 0) const;
    // The presented picture's pixel.
    uint32_t Pixel(int x, int y) const;

    // Keeps the picture now shown, to be written out if the test fails.
    void Keep(const std::string& name);

    // Clicks the middle of a button of the button table.
    void ClickButtonNow(FakePlatform& f, int id) const;
    // A player's step: once `ready` holds, a click on that button.
    void ClickWhen(const std::string& what, std::function<bool()> ready, int id);


    // Puts a game file into this data folder's "Saved Games".
    static void WriteFile(const std::string& path, const std::string& bytes);
    static std::string ReadFile(const std::string& path);

    mutable FakePlatform fake;
    ScriptedPlayer player{fake};
    int lastResult = 0;
    std::vector<int> screensSeen;

private:
    ScreenTable WatchedScreens();
    int screen_ = -1;
    std::vector<std::pair<std::string, std::vector<uint32_t>>> kept_;
};
