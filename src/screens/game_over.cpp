// The game-over view (kGameOverScreen): the winner in a box, then the finished game
// over the whole map without fog, which can still be scrolled. Nothing of
// the game changes and nothing is saved.
#include <string>

#include "ai/world_cache.h"
#include "game/markers.h"
#include "game/turns.h"
#include "platform/input.h"
#include "screens/hand_over.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "shell/screen_loop.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/text.h"

namespace {


// The finished position as it is: no markers, no ready marks, no selection.
void StillTheBoard() {
    Game& game = theGame;
    RegrowWorld(game);
    ClearMarkers(game);
    for (Unit& unit : game.state.units) unit.canAttack = unit.canMove = 0;
    game.unitSelected = 0;
    game.fogOfWar = 0;
}

void DrawGameOverFrame(const std::string& winnerName) {
    const DdRect panel{kMapViewWidth, 0, display.screenWidth, display.screenHeight};
    DdBltFx black;
    black.fillColor = 0;
    display.backSurface->Blt(&panel, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &black);
    const Rect miniMap = MiniMapScreenRect(theGame.map.mapSize);
    CopyPicture(kSpriteSlot, miniMapRect, miniMap.left, miniMap.top, false);
    DrawViewFrame();
    DrawMapView();
    DrawButton(buttonTable[kQuitToMenuButton]);
    DrawText(840, 240, "GAME OVER", kLargeFont);
    DrawText(840, 280, winnerName, kSmallFont);
    DrawText(840, 300, "IS VICTORIOUS", kSmallFont);
    display.Present();
}

// 110 for QUIT TO MAIN MENU, 10 to stay; the map itself takes no clicks.
int TakeGameOverClick() {
    input.clickPending = 0;
    if (input.clickX < kMapViewWidth) return kStay;
    if (ClickButton(buttonTable[kQuitToMenuButton])) return GoTo(kMainMenuScreen);
    ScrollToMiniMapClick(input.clickX, input.clickY);
    return kStay;
}

int TakeGameOverKey() {
    input.keyPressed = 0;
    if (ScrollByKey(input.keyCode, input.keyRepeated != 0)) return kStay;
    if (input.keyCode != VK_F2) return kStay;
    GetPlatform().PlaySound(kButtonClickSound);
    return AskScrollDelay();
}

}  // namespace

int RunGameOver() {
    theGame.state.currentPlayer = 0;
    display.ClearScreen();
    // The box is drawn from the sprite sheet: have it there even when the
    // screens before drew nothing (a computer turn, a restored display).
    if (!LoadScreenImages({{kSpriteSlot, kSpriteSheetFile}})) return kFatal;
    const int winner = Winner(theGame);
    const std::string winnerName = theGame.state.players[winner].name;
    ShowNotice("GAME OVER", winnerName, "IS VICTORIOUS");
    StillTheBoard();
    if (!LoadScreenImages(MapScreenImages())) return kFatal;
    theGame.scrollX = theGame.state.players[0].viewX;
    theGame.scrollY = theGame.state.players[0].viewY;
    PlaceMiniMap();
    for (int id = kFirstTurnButton; id <= kLastTurnButton; ++id) buttonTable[id].state = kButtonHidden;
    buttonTable[kQuitToMenuButton].state = kButtonActive;
    BuildMiniMap();
    uint32_t nextScroll = theGame.TickCount();
    input.clickPending = 0;
    PictureWatch watch;
    while (true) {
        if (!PumpMessages(watch)) {
            if (!RecoverDisplay(MapScreenImages(), watch)) return kFatal;
            BuildMiniMap();  // the reloaded sheet lost the mini-map kept in it
        }
        DrawGameOverFrame(winnerName);
        const uint32_t now = theGame.TickCount();
        if (TickIsLater(now, nextScroll)) {
            ScrollStep(now);
            nextScroll = now + static_cast<uint32_t>(settings.scrollDelay);
        }
        if (input.keyPressed) {
            if (const int result = TakeGameOverKey(); result != kStay) return result;
        }
        if (input.clickPending) {
            if (const int result = TakeGameOverClick(); result != kStay) return result;
        }
    }
}
