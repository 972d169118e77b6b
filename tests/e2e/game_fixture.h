#pragma once
// The whole program on the fake platform, in a fresh data folder that holds
// the generated art: a test scripts a player, runs the program from its main
// menu to its end, and looks at the game, the files and the pictures shown.
// When a test fails, the picture of the failing step and the last one shown
// are written as BMP files into the screenshot folder of the build.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "../screens/shown_pictures.h"
#include "game/state.h"
#include "platform/fake_platform.h"
#include "shell/screen_loop.h"
#include "support/scripted_player.h"
#include "support/temp_dir.h"

// ---- Saved games made the way the game makes them -----------------------
struct SeatPlan {
    SeatPlan(bool isHuman, std::string seatName, std::string seatPassword = "")
        : human(isHuman), name(std::move(seatName)), password(std::move(seatPassword)) {}
    bool human = true;
    std::string name;
    std::string password;  // empty: the placeholder ResetGameState gives
};

// A game of the given type past its set-up: the seats as planned (the others
// closed), every open seat ALIVE and set up, the world made with `mapSeed`
// and the starting units placed, seat 0 in turn on turn 1.
Game MakePlayedGame(int gameType, const std::vector<SeatPlan>& seats, int mapSeed = 1234);

// Writes the game as "Saved Games\<fileName>" in the working folder.
void WriteSavedGame(Game& game, const std::string& fileName);

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
    static void MakeDataFolder(const std::string& folder) { MakeGameFolder(folder); }
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

    // Whether the presented picture shows `text` in a font at x, y.
    bool ShowsText(int x, int y, const std::string& text, int size) const {
        return TextShownOn(fake.Fake(), x, y, text, size);
    }
    // A button's label where the button table places it, plate drawn or not.
    bool ShowsButton(int id) const;
    // The lit pixels of a rectangle of a surface slot are on the presented
    // picture at x, y (nine in ten: marks may lie over it).
    bool ShowsPicture(int x, int y, const Rect& source) const { return ShareShown(fake.Fake(), x, y, source) >= 0.9; }
    // The page of what changed since the seat's last turn is open.
    bool ReportShowing() const { return ShowsText(30, 30, "SINCE YOUR LAST TURN", 0); }
    uint32_t Pixel(int x, int y) const { return fake.Fake() ? fake.Fake()->PixelAt(x, y) : 0; }


    // Clicks the middle of a button of the button table.
    void ClickButtonNow(FakePlatform& f, int id) const;
    // A player's step: once `ready` holds, a click on that button.
    void ClickWhen(const std::string& what, std::function<bool()> ready, int id);


    // ---- Steps several tests take ---------------------------------------
    // RunProgram, with the script played to its end and the program quit.
    void RunToQuit();
    // EXIT GAME from the main menu, once no box is open.
    void ExitFromMenu();
    // A seat's own set-up turn: the name typed, LAUNCH, the password typed.
    void SetUpSeat(int seat, const std::string& name, const std::string& password);
    // LOAD GAME, the game in the list's first row, LAUNCH.
    void LaunchFirstListedGame(const std::string& fileName);
    // The settings name the game as the last one played; its continue
    // button is clicked once the main menu offers it.
    void ContinueWith(const std::string& fileName);
    // On the seat's turn, the enemy base is put beside the seat's first
    // STANDARD unit with one point of health left, and attacked by it.
    void DestroyBaseBeside(int seat, int baseOwner);

    // Puts a game file into this data folder's "Saved Games".
    static void WriteFile(const std::string& path, const std::string& bytes);

    mutable FakePlatform fake;
    ScriptedPlayer player{fake};
    int lastResult = 0;
    std::vector<int> screensSeen;

private:
    void StartSession();
    ScreenTable WatchedScreens();
    int screen_ = -1;
    // Keeps the picture now shown, to be written out if the test fails.
    void Keep(const std::string& name);
    KeptPictures kept_;
};
