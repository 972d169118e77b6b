#pragma once
// The whole program on the fake machine: a test scripts a player, runs the
// program from its main menu to its end, and looks at the game, the files
// and the pictures shown.
#include <functional>

#include "../screens/fake_machine.h"

// Writes a game as "Saved Games\<fileName>" with its world's starting units.
void WriteSavedGame(Game game, const std::string& fileName);
// The first active unit of an owner and type in the game, or -1.
int UnitOf(int owner, int type);

class GameTest : public FakeMachineTest {
protected:
    void SetUp() override;
    // A fresh machine in another folder for the next run of the program.
    void NewSession(const std::string& folder);
    // Runs the program with the script played to its end and the program quit.
    void RunToQuit();
    bool On(int screen) const { return screen_ == screen; }
    bool ReportShowing() const { return TextShown(30, 30, "SINCE YOUR LAST TURN"); }

    // ---- A player's steps: a click on a button or a key once `ready` holds
    void Click(FakePlatform& f, int id) const;  // the middle of a button
    void ClickWhen(const std::string& what, std::function<bool()> ready, int id);
    void KeyWhen(const std::string& what, std::function<bool()> ready, int virtualKey, int character);
    void EnterWhen(const std::string& what, std::function<bool()> ready) { KeyWhen(what, ready, VK_RETURN, 13); }
    void EscapeWhen(const std::string& what, std::function<bool()> ready) { KeyWhen(what, ready, VK_ESCAPE, 27); }
    // The button, once the screen shows it.
    void ClickOn(int screen, int id);
    void ExitFromMenu() { ClickOn(kMainMenuScreen, kExitGameButton); }
    // EXIT GAME once the main menu is back, and the program run to its end.
    void QuitFromMenu() { ExitFromMenu(); RunToQuit(); }
    // A seat's own set-up turn: the name typed, LAUNCH, the password typed.
    void SetUpSeat(int seat, const std::string& name, const std::string& password);
    // The settings name the game as the last one played; its continue
    // button is clicked once the main menu offers it.
    void ContinueWith(const std::string& fileName);

    std::vector<int> screensSeen;  // every screen the program ran, in order

private:
    int screen_ = -1;
};
