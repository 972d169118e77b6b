// The buttons of the human turn's panel: the end of the turn, leaving, and
// the unit commands, which are the rules of selection and orders.
#include "game/orders.h"
#include "screens/commands.h"
#include "shell/screen_loop.h"
#include "shell/shell.h"

int ApplyTurnCommand(int id) {
    switch (id) {
        case 43: return GoTo(kEndTurnScreen);
        case 44: return GoTo(kMainMenuScreen);
        case 45: Repair(theGame); return kStay;
        case 46: RaisePower(theGame); return kStay;
        case 47: NextAttackingUnit(theGame); return kStay;
        case 48: NextMovableUnit(theGame); return kStay;
        case 49: case 50: case 51: case 52: case 53:
            ChangeType(theGame, kPanelTypes[id - 49]);
            return kStay;
        default: return kStay;
    }
}
