// The side panel of the turn screen: the player's energy, the selected
// unit, the player's own figures, the score box and the panel's buttons.
#include <string>

#include "game/economy.h"
#include "game/orders.h"
#include "game/unit_types.h"
#include "platform/platform.h"
#include "screens/human_turn.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/sprite_layout.h"
#include "ui/text.h"

namespace {

constexpr Rect kColourBox{834, 525, 1024, 615};
constexpr int kScoreBoxTop = 647;
constexpr int kScoreRowHeight = 16;
constexpr size_t kScoreLineLength = 22;

void DrawSelectedUnit() {
    if (!theGame.unitSelected) return;
    const Unit& unit = theGame.state.units[theGame.selectedUnit];
    const Player& owner = theGame.state.players[unit.owner];
    const std::string faction = owner.faction >= 0 && owner.faction <= 3 ? kFactionNames[owner.faction] : "";
    DrawText(835, 287, faction + " " + TypeName(unit.type), kSmallFont);
    DrawText(835, 300, "HEALTH : " + std::to_string(unit.health) + " OF " + std::to_string(owner.powerLevel),
             kSmallFont);
    const int most = UnitMaxDamage(theGame, theGame.selectedUnit);
    DrawText(835, 313, "DAMAGE : " + std::to_string(most / 2) + " TO " + std::to_string(most), kSmallFont);
    if (unit.type == kBase) {
        DrawText(850, 400, "UNIT COST:", kLargeFont);
        DrawText(900, 425, std::to_string(kUnitPrice), kLargeFont);
    }
}

std::string VictoryLine() {
    const GameState& s = theGame.state;
    if (s.victoryType == kScoreVictory) return "VICTORY: SCORE " + std::to_string(s.victoryScore);
    if (s.victoryType == kTurnVictory) return "VICTORY: TURN " + std::to_string(s.victoryTurn);
    return "VICTORY: CONQUER";
}

void DrawPlayerFigures() {
    const int p = theGame.state.currentPlayer;
    const Player& player = theGame.state.players[p];
    StretchPicture(sheet::ColourSwatch(player.colour), kColourBox);
    DrawText(838, 530, player.name, kSmallFont);
    DrawText(838, 546, "POWER LEVEL: " + std::to_string(player.powerLevel), kSmallFont);
    DrawText(838, 562, "INCOME: " + std::to_string(Income(theGame, p)), kSmallFont);
    DrawText(838, 578, VictoryLine(), kSmallFont);
    DrawText(838, 594,
             "UNIT COUNT: " + std::to_string(CountUnits(theGame, p)) + " OF " + std::to_string(theGame.unitCap),
             kSmallFont);
}

// "score : name", padded or cut to 22 characters.
std::string ScoreLine(const Player& player) {
    std::string line = std::to_string(player.score) + " : " + player.name;
    line.resize(kScoreLineLength, ' ');
    return line;
}

void DrawScoreBox() {
    for (int p = 0; p < kSeats; ++p) {
        const Player& player = theGame.state.players[p];
        if (player.seatOpen != 1) continue;
        const int y = kScoreBoxTop + kScoreRowHeight * p;
        StretchPicture(sheet::ColourSwatchLower(player.colour), {834, y, 1024, y + kScoreRowHeight});
        DrawText(838, y + 1, ScoreLine(player), kSmallFont);
    }
}

// What a type button turns the selected unit into, as the hint names it.
const char* ChangedTypeName(int type) {
    switch (type) {
        case kStandard: return "A STANDARD UNIT";
        case kBase: return "A BASE";
        case kAir: return "AN AIR UNIT";
        case kTank: return "A TANK UNIT";
        case kArtillery: return "AN ARTILLERY UNIT";
        default: return "";
    }
}

std::string RepairHint() {
    const int payer = theGame.state.currentPlayer;
    const int points = RepairablePoints(theGame, theGame.selectedUnit, payer);
    return "REPAIR " + std::to_string(points) + " HEALTH FOR " + std::to_string(RepairPrice(points)) +
           " ENERGY (" + std::to_string(RepairPrice(1)) + " A POINT), USING THE UNIT'S ATTACK";
}

std::string PowerHint() {
    const int level = theGame.state.players[theGame.state.currentPlayer].powerLevel;
    return "RAISE THE POWER LEVEL TO " + std::to_string(level + kPowerStep) + " FOR " +
           std::to_string(PowerPrice(level)) + " ENERGY: EVERY UNIT GAINS " + std::to_string(kPowerStep) +
           " HEALTH AND HITS HARDER";
}

// The hint of the shown panel command under the cursor, or nothing.
std::string PanelButtonHint(Point cursor) {
    auto pointedAt = [cursor](int id) {
        const Button& b = buttonTable[id];
        return b.state == kButtonActive && PointInRect(b.rect, cursor.x, cursor.y);
    };
    if (pointedAt(kRepairButton)) return RepairHint();
    if (pointedAt(kPowerButton)) return PowerHint();
    for (size_t i = 0; i < kPanelTypes.size(); ++i) {
        if (!pointedAt(kStandardIconButton + static_cast<int>(i))) continue;
        return std::string("CHANGE INTO ") + ChangedTypeName(kPanelTypes[i]) +
               ": NO ENERGY, USING THE UNIT'S ATTACK";
    }
    return "";
}

}  // namespace

// The rules' message comes first, so that no refusal is hidden by a hint.
std::string StatusLine() {
    if (!theGame.statusMessage.empty()) return theGame.statusMessage;
    return PanelButtonHint(GetPlatform().CursorPos());
}

void DrawPanel() {
    CopyPicture(kSpriteSlot, sheet::kUpperPanel, 832, 0, false);
    CopyPicture(kSpriteSlot, sheet::kLowerPanel, 832, 251, false);
    DrawViewFrame();
    DrawText(870, 253, std::to_string(theGame.state.players[theGame.state.currentPlayer].energy), kLargeFont);
    DrawSelectedUnit();
    DrawPlayerFigures();
    DrawScoreBox();
}

void SyncPanelButtons() {
    const TurnPanel& panel = theGame.panel;
    buttonTable[kRepairButton].state = panel.repairShown ? kButtonActive : kButtonHidden;
    buttonTable[kRepairButton].label = panel.repairLabel;
    buttonTable[kPowerButton].state = panel.powerShown ? kButtonActive : kButtonHidden;
    buttonTable[kPowerButton].label = panel.powerLabel;
    for (int i = 0; i < 5; ++i) {
        buttonTable[kStandardIconButton + i].state = panel.typeShown[i] ? kButtonActive : kButtonHidden;
    }
}
