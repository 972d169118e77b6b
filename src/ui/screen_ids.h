#pragma once
// The screens of the game by number, and the results a screen or a rule hands
// back. Plain numbers, so the rules can say where a turn leads without
// knowing anything about how screens are drawn.

enum ScreenId : int {
    kHelpScreen = 0,
    kMainMenuScreen = 10,
    kLoadGameScreen = 20,
    kSetupScreen = 60,
    kHandOverScreen = 70,
    kGameOverScreen = 80,
    kEndTurnScreen = 90,
    kHumanTurnScreen = 100,
    kComputerTurnScreen = 110,
};

// Screen results shared by the toolkit, the commands and the screens.
enum ScreenResult : int {
    kStay = 10,
    kCancelled = 11,
    kConfirmed = 12,
    kQuit = 13,
    kFatal = 14,
    kGoTo = 100,  // kGoTo + a ScreenId goes to that screen
};

// The result that sends the screen loop to a screen.
constexpr int GoTo(ScreenId screen) { return static_cast<int>(kGoTo) + static_cast<int>(screen); }
