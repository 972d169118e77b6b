// Scrolling the map view by the screen edges and the arrow keys, one tile a
// step, and the F2 prompt that sets how fast.
#include <algorithm>

#include "platform/platform.h"
#include "screens/human_turn.h"
#include "shell/screen_loop.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/display.h"
#include "ui/popup.h"

void ScrollStep() {
    Platform& platform = GetPlatform();
    const Point cursor = platform.CursorPos();
    Game& game = theGame;
    if (cursor.x < 1 || platform.KeyHeld(VK_LEFT)) game.scrollX = std::max(game.scrollX - 1, 0);
    if (cursor.y < 1 || platform.KeyHeld(VK_UP)) game.scrollY = std::max(game.scrollY - 1, 0);
    if (cursor.x == display.screenWidth - 1 || platform.KeyHeld(VK_RIGHT)) {
        game.scrollX = std::min(game.scrollX + 1, game.maxScrollX);
    }
    if (cursor.y == display.screenHeight - 1 || platform.KeyHeld(VK_DOWN)) {
        game.scrollY = std::min(game.scrollY + 1, game.maxScrollY);
    }
}

int AskScrollDelay() {
    popupBox.prompt = "ENTER SCROLL DELAY";
    popupBox.text.clear();
    popupBox.hint = "(0 - 100)";
    popupBox.inputShown = 1;
    popupBox.maxLength = 3;
    const int answer = popupBox.RunPopup();
    if (answer == kFatal) return kFatal;
    if (answer != kConfirmed) return kStay;
    settings.scrollDelay = std::clamp(ParseDecimal(popupBox.text), 0, 100);
    // A settings file that cannot be written (logged) is no reason to end the
    // program in the middle of a turn and lose its orders: the delay holds
    // for this run, and the end of the run tries the file again.
    SaveINI(settings, theGame.saveFileName);
    return kStay;
}

std::vector<ScreenImage> MapScreenImages() {
    return {{kTerrainSlot, "Terrain\\" + theGame.state.terrainName}, {kSpriteSlot, kSpriteSheetFile}};
}
