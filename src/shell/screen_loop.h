#pragma once
// The screen loop: every screen is a function that runs until it returns the
// code of the next screen plus 100. Anything that does not name a screen (13
// quit, 14 fatal failure) ends the loop.
#include <array>
#include <functional>
#include <optional>

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

inline constexpr int kScreenCount = 9;
inline constexpr std::array<ScreenId, kScreenCount> kScreenIds = {
    kHelpScreen,    kMainMenuScreen, kLoadGameScreen,  kSetupScreen,        kHandOverScreen,
    kGameOverScreen, kEndTurnScreen, kHumanTurnScreen, kComputerTurnScreen,
};

// The position of a state in kScreenIds, or nothing when it is no screen.
std::optional<int> ScreenIndex(int state);

using ScreenFunction = std::function<int()>;
// One function per screen, in the order of kScreenIds.
using ScreenTable = std::array<ScreenFunction, kScreenCount>;

// Runs screens from the main menu on until a result names no screen; returns
// that last result. A screen without a function ends the loop like a fatal
// failure rather than being skipped silently.
int RunScreens(const ScreenTable& screens);
