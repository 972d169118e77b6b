#pragma once
// Every button of the table by name. A button's id is its index in the
// table; the rows of the set-up screen are one id per seat, counted from the
// first seat's. Plain numbers, as they are counted with.

// The pop-up box.
inline constexpr int kPopupCancelButton = 0;
inline constexpr int kPopupOkButton = 1;
// Load game, help and details.
inline constexpr int kReturnButton = 2;
inline constexpr int kLaunchSavedGameButton = 3;
// The set-up screen.
inline constexpr int kMapSizeButton = 4;
inline constexpr int kConquerButton = 5;
inline constexpr int kScoreVictoryButton = 6;
inline constexpr int kTurnVictoryButton = 7;
inline constexpr int kSetupCancelButton = 8;
inline constexpr int kSetupLaunchButton = 9;
inline constexpr int kGameNameButton = 10;
inline constexpr int kSeatOpenButton = 11;  // + seat: OPEN or CLOSED
inline constexpr int kSeatNameButton = 15;  // + seat
inline constexpr int kSeatKindButton = 19;  // + seat: HUMAN or COMPUTER
inline constexpr int kPasswordsButton = 23;
inline constexpr int kGameTypeButton = 24;  // text only
inline constexpr int kVictoryButton = 25;   // text only: the chosen victory condition
inline constexpr int kTerrainButton = 26;
inline constexpr int kComputerLevelButton = 27;
inline constexpr int kFactionButton = 28;  // + seat
inline constexpr int kColourButton = 32;   // + seat
// The main menu.
inline constexpr int kInformationButton = 36;
inline constexpr int kSinglePlayerButton = 37;
inline constexpr int kHotSeatButton = 38;
inline constexpr int kPlayByMailButton = 39;
inline constexpr int kLoadGameButton = 40;
inline constexpr int kLastGameButton = 41;
inline constexpr int kExitGameButton = 42;
// The human turn (and, for the quit button, the game-over view).
inline constexpr int kEndTurnButton = 43;
inline constexpr int kQuitToMenuButton = 44;
inline constexpr int kRepairButton = 45;
inline constexpr int kPowerButton = 46;
inline constexpr int kAttackCheckButton = 47;
inline constexpr int kMoveCheckButton = 48;
inline constexpr int kStandardIconButton = 49;
inline constexpr int kBaseIconButton = 50;
inline constexpr int kAirIconButton = 51;
inline constexpr int kTankIconButton = 52;
inline constexpr int kArtilleryIconButton = 53;

inline constexpr int kButtonCount = 54;

// The ranges each screen draws and tests, first and last id included.
inline constexpr int kFirstSetupButton = kMapSizeButton;
inline constexpr int kLastSetupButton = kColourButton + 3;
inline constexpr int kFirstMainMenuButton = kInformationButton;
inline constexpr int kLastMainMenuButton = kExitGameButton;
inline constexpr int kFirstTurnButton = kEndTurnButton;
inline constexpr int kLastTurnButton = kArtilleryIconButton;
