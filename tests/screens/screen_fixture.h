#pragma once
// One screen on the fake machine with the game's display set up, and a
// script that acts as a player would: each action waits until the screen
// has taken the previous click or key and drawn a few frames since.
#include <functional>

#include "fake_machine.h"
#include "screens/screens.h"
#include "ui/images.h"

class ScreenTest : public FakeMachineTest {
protected:
    void SetUp() override;

    // theGame becomes a PlayedGame with the fake's clock and sounds.
    void NewGame(int gameType = kSinglePlayer, const std::vector<std::string>& names = {"ALICE", "RED COMP"},
                 int mapSize = 27, int mapSeed = 12345);

    // Runs once the screen has taken every earlier click and key and drawn
    // at least `settleFrames` frames since.
    void Then(std::function<void()> action, int settleFrames = 5);
    void ClickAt(int x, int y, int button = 1);  // 1 left, 2 right
    // A click on the middle of a map tile as the view stands when it is made.
    void ClickTile(int x, int y, int button = 1);
    // A click on the middle of a button, wherever it is when made.
    void ClickButtonId(int id, int button = 1);
    void Press(int virtualKey, int character = 0);
    // Typed text, a key at a time; '\r' is Enter, '\x1b' Escape, '\x7f' Delete.
    void TypeKeys(std::string_view text);
    void Wait(int frames) { Then([] {}, frames); }
    // The seat's name in the panel's colour box: the turn screen is back.
    bool TurnShown() const;

    Window* window = nullptr;

private:
    void ClickAt(std::function<Point()> where, int button);
};

// Seat 0's turn in a single-player game on a 27-tile map: its base at 2,2
// and STANDARD units at 2,4 and 4,2; seat 1's base far away at 24,24.
class TurnTest : public ScreenTest {
protected:
    void SetUp() override;
    // Saves the game with seat 0's view at x, y, where the turn starts.
    void StartViewAt(int x, int y);
    // END TURN, once the script gets there, ends the turn.
    void EndTurn();
    int base = -1, soldier = -1, other = -1, enemyBase = -1;
};
