// The buttons of the human turn's panel: the end of the turn, leaving, and
// the unit commands, which are the rules of selection and orders.
#include "game/orders.h"
#include "screens/commands.h"
#include "shell/screen_loop.h"
#include "shell/shell.h"
#include "ui/button_ids.h"

int ApplyTurnCommand(int id) {
    switch (id) {
        case kEndTurnButton: return GoTo(kEndTurnScreen);
        case kQuitToMenuButton: return GoTo(kMainMenuScreen);
        case kRepairButton: Repair(theGame); return kStay;
        case kPowerButton: RaisePower(theGame); return kStay;
        case kAttackCheckButton: NextAttackingUnit(theGame); return kStay;
        case kMoveCheckButton: NextMovableUnit(theGame); return kStay;
        case kStandardIconButton: case kBaseIconButton: case kAirIconButton: case kTankIconButton:
        case kArtilleryIconButton:
            ChangeType(theGame, kPanelTypes[id - kStandardIconButton]);
            return kStay;
        default: return kStay;
    }
}
