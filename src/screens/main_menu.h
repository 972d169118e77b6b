#pragma once
// The main menu's own parts, for the screen table and for tests.

// The line along the foot of the menu: 80 characters of the small font.
inline constexpr const char* kMainMenuBanner =
    "KORVESSA - FOUR FACTIONS ON ONE MAP - F1 IN A TURN FOR HELP - SEE KV-MANUAL.HTML";

// The commands of the menu's buttons, kFirstMainMenuButton to kLastMainMenuButton.
int MainMenuCommand(int id);

// Decides, as the menu opens, whether LOAD GAME and the continue button show;
// the continue button makes the last game the current one.
void ShowMainMenuButtons();
