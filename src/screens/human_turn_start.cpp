// The start of a human playing turn. The rules' own turn start does the
// world, the readied units, the income and the view; the screen adds its
// buttons and pictures.
#include <string>

#include "game/orders.h"
#include "handover/turn_cycle.h"
#include "platform/input.h"
#include "platform/run_log.h"
#include "save/saved_game.h"
#include "screens/hand_over.h"
#include "screens/human_turn.h"
#include "screens/load_game_files.h"
#include "screens/turn_report.h"
#include "shell/screen_loop.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "screens/unit_picture.h"

namespace {

// A new world that cannot be saved would be lost with the next hand-over,
// which reads the file: the players are told, and the file as it was (the
// game before its first turn) stays to continue from.
int WorldNotSaved() {
    LogFileOpenFailure("SaveGameToFile", SaveGamePath(theGame));
    display.ClearScreen();
    if (!LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}})) return kFatal;
    ShowNotice("THE GAME COULD NOT BE SAVED", GameLabel(theGame.saveFileName), "THE LAST SAVED TURN IS KEPT");
    return GoTo(kMainMenuScreen);
}

void SetUpTurnButtons() {
    const GameState& s = theGame.state;
    for (int id = kRepairButton; id <= kLastTurnButton; ++id) buttonTable[id].state = kButtonHidden;
    for (int id : {kEndTurnButton, kQuitToMenuButton, kAttackCheckButton, kMoveCheckButton})
        buttonTable[id].state = kButtonActive;
    buttonTable[kEndTurnButton].label = "END TURN " + std::to_string(s.turn);
    const Player& player = s.players[s.currentPlayer];
    for (size_t i = 0; i < kPanelTypes.size(); ++i) {
        buttonTable[kStandardIconButton + i].iconRect = sheet::UnitPicture(kPanelTypes[i], player.faction, player.colour);
    }
    SyncPanelButtons();
}

}  // namespace

int StartHumanTurnScreen() {
    std::string problem;
    const TurnFile file(SaveGamePath(theGame));
    const auto worldSeed = static_cast<int>(theGame.TickCount());
    switch (StartHumanTurn(theGame, file, worldSeed, problem)) {
        case HumanTurnStart::kWorldNotSaved: return WorldNotSaved();
        case HumanTurnStart::kNoWorldSeed: return kFatal;  // a seed is always given
        case HumanTurnStart::kStarted: break;
    }
    PrepareTurnReport();
    PlaceMiniMap();
    SetUpTurnButtons();
    input.clickPending = 0;
    input.wheelNotches = 0;  // turned on an earlier screen
    if (!LoadScreenImages(MapScreenImages())) return kFatal;
    return ShowTurnReportAtStart();
}
