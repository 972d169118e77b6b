#include "ui/button_table.h"

#include <utility>

#include "ui/text_layout.h"

ButtonTable buttonTable;

namespace {

void Set(ButtonTable& table, int id, std::string label, Rect rect, int fontSize = kLargeFont) {
    Button& b = table[id];
    b.label = std::move(label);
    b.rect = rect;
    b.fontSize = fontSize;
}

// The set-up screen has one row of controls per seat, 48 pixels apart.
Rect SeatRow(int left, int right, int seat) { return {left, 128 + 48 * seat, right, 160 + 48 * seat}; }

void InitSetupButtons(ButtonTable& t, std::span<const char* const> factionNames) {
    Set(t, kMapSizeButton, "", {32, 560, 256, 592});
    Set(t, kConquerButton, "CONQUER", {304, 464, 640, 496});
    Set(t, kScoreVictoryButton, "SCORE", {304, 512, 640, 544});
    Set(t, kTurnVictoryButton, "TURN", {304, 560, 640, 592});
    Set(t, kSetupCancelButton, "CANCEL", {32, 656, 224, 736});
    Set(t, kSetupLaunchButton, "LAUNCH", {800, 656, 992, 736});
    Set(t, kGameNameButton, "", {272, 704, 752, 736});
    const int seats = static_cast<int>(factionNames.size());
    for (int k = 0; k < seats; ++k) {
        Set(t, kSeatOpenButton + k, "", SeatRow(16, 176, k));
        Set(t, kSeatNameButton + k, "", SeatRow(544, 880, k));
        Set(t, kSeatKindButton + k, "", SeatRow(192, 352, k));
        Set(t, kFactionButton + k, factionNames[k], SeatRow(368, 528, k));
        Set(t, kColourButton + k, std::to_string(k + 1), SeatRow(896, 946, k));
    }
    Set(t, kPasswordsButton, "PASSWORD DISABLED", {688, 560, 992, 592});
    Set(t, kGameTypeButton, "", {640, 20, 924, 52});
    Set(t, kVictoryButton, "", {304, 416, 640, 448});
    Set(t, kTerrainButton, "", {688, 416, 992, 448});
    Set(t, kComputerLevelButton, "", {32, 416, 256, 448});
}

void InitMainMenuButtons(ButtonTable& t) {
    static constexpr const char* kLabels[] = {"INFORMATION", "SINGLE PLAYER", "HOTSEAT", "PLAY BY EMAIL",
                                              "LOAD GAME",   "",              "EXIT GAME"};
    for (int i = 0; i < 7; ++i) {
        const int id = kFirstMainMenuButton + i;
        Set(t, id, kLabels[i], {368, 300 + 35 * i, 656, 330 + 35 * i});
    }
    t[kLastGameButton].fontSize = kSmallFont;
}

void InitTurnButtons(ButtonTable& t) {
    Set(t, kEndTurnButton, "END TURN", {835, 224, 1022, 248}, kSmallFont);
    Set(t, kQuitToMenuButton, "QUIT TO MAIN MENU", {835, 3, 1022, 27}, kSmallFont);
    Set(t, kRepairButton, "", {835, 330, 1022, 354}, kSmallFont);
    Set(t, kPowerButton, "", {835, 619, 1022, 643}, kSmallFont);
    Set(t, kAttackCheckButton, "ATTACK TURN CHECK", {835, 715, 1022, 739}, kSmallFont);
    Set(t, kMoveCheckButton, "MOVE TURN CHECK", {835, 741, 1022, 765}, kSmallFont);
    Set(t, kStandardIconButton, "", {835, 357, 925, 437});
    Set(t, kBaseIconButton, "", {835, 357, 925, 437});
    Set(t, kAirIconButton, "", {930, 357, 1020, 437});
    Set(t, kTankIconButton, "", {835, 440, 925, 520});
    Set(t, kArtilleryIconButton, "", {930, 440, 1020, 520});
    for (int id = kStandardIconButton; id <= kArtilleryIconButton; ++id) {
        t[id].hasIcon = 1;
        t[id].iconDx = 13;
        t[id].iconDy = 8;
    }
}

}  // namespace

void InitButtons(ButtonTable& table, std::span<const char* const> factionNames) {
    for (Button& b : table) b = Button{};
    Set(table, kPopupCancelButton, "CANCEL", {});
    Set(table, kPopupOkButton, "OK", {});
    Set(table, kReturnButton, "RETURN", {392, 728, 632, 760});
    Set(table, kLaunchSavedGameButton, "LAUNCH", {776, 728, 1016, 760});
    InitSetupButtons(table, factionNames);
    InitMainMenuButtons(table);
    InitTurnButtons(table);
}

Point LabelOrigin(const Button& button) {
    const Rect& r = button.rect;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    return {r.left + (width - TextWidth(button.label, button.fontSize)) / 2,
            r.top + (height - FontCellHeight(button.fontSize)) / 2};
}
