// Scrolling the map view, one tile a step: a press of an arrow key moves it
// once, a held arrow key repeats at the scroll delay after a short pause, the
// screen edges scroll while the pointer is inside the window, and the wheel
// scrolls up and down (with Shift, left and right). The F2 prompt sets the
// scroll delay.
#include <algorithm>
#include <array>

#include "platform/input.h"
#include "platform/platform.h"
#include "screens/commands.h"
#include "screens/human_turn.h"
#include "shell/screen_loop.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/display.h"
#include "ui/popup.h"

namespace {

// How long an arrow key must be held before it repeats, so that a tap
// moves the view by one tile only, however slow the tap.
constexpr uint32_t kFirstRepeatMs = 250;

struct ArrowKey {
    int key;
    int dx;
    int dy;
};
constexpr std::array<ArrowKey, 4> kArrowKeys{{{VK_LEFT, -1, 0}, {VK_RIGHT, 1, 0}, {VK_UP, 0, -1}, {VK_DOWN, 0, 1}}};

// When each arrow key was first seen held; 0 while it is up.
std::array<uint32_t, 4> heldSince{};

void ScrollBy(int dx, int dy) {
    Game& game = theGame;
    game.scrollX = std::clamp(game.scrollX + dx, 0, game.maxScrollX);
    game.scrollY = std::clamp(game.scrollY + dy, 0, game.maxScrollY);
}

// Whether a held arrow key has been down long enough to repeat.
bool Repeating(size_t arrow, bool held, uint32_t now) {
    if (!held) {
        heldSince[arrow] = 0;
        return false;
    }
    if (heldSince[arrow] == 0) heldSince[arrow] = now == 0 ? 1 : now;
    return now - heldSince[arrow] >= kFirstRepeatMs;
}

void ScrollByWheel() {
    const int notches = input.wheelNotches;
    input.wheelNotches = 0;
    if (notches == 0 || input.wheelX >= kMapViewWidth) return;
    if (GetPlatform().KeyHeld(VK_SHIFT)) {
        ScrollBy(-notches, 0);
    } else {
        ScrollBy(0, -notches);
    }
}

}  // namespace

bool ScrollByKey(int keyCode, bool repeated) {
    for (const ArrowKey& arrow : kArrowKeys) {
        if (arrow.key != keyCode) continue;
        if (!repeated) ScrollBy(arrow.dx, arrow.dy);
        return true;
    }
    return false;
}

void ScrollStep(uint32_t now) {
    Platform& platform = GetPlatform();
    const Point cursor = platform.CursorPos();
    const bool edges = platform.CursorInWindow();
    int dx = 0, dy = 0;
    if (edges && cursor.x < 1) --dx;
    if (edges && cursor.x == display.screenWidth - 1) ++dx;
    if (edges && cursor.y < 1) --dy;
    if (edges && cursor.y == display.screenHeight - 1) ++dy;
    for (size_t i = 0; i < kArrowKeys.size(); ++i) {
        const ArrowKey& arrow = kArrowKeys[i];
        if (Repeating(i, platform.KeyHeld(arrow.key), now)) {
            dx += arrow.dx;
            dy += arrow.dy;
        }
    }
    ScrollBy(std::clamp(dx, -1, 1), std::clamp(dy, -1, 1));
    ScrollByWheel();
}

int AskScrollDelay() {
    popupBox.prompt = "ENTER SCROLL DELAY";
    popupBox.text.clear();
    popupBox.hint = "NOW " + std::to_string(settings.scrollDelay) + " (0 - 100)";
    popupBox.inputShown = 1;
    popupBox.maxLength = 3;
    const int answer = popupBox.RunPopup();
    if (answer == kFatal) return kFatal;
    // An empty answer keeps the delay as it is.
    if (answer != kConfirmed || popupBox.text.empty()) return kStay;
    settings.scrollDelay = std::clamp(ParseDecimal(popupBox.text), 0, 100);
    // A settings file that cannot be written is no reason to end the turn
    // and lose its orders: the player is told, the delay holds for this run,
    // and the end of the run tries the file again.
    return SaveSettingsOrTell() == kFatal ? kFatal : kStay;
}

std::vector<ScreenImage> MapScreenImages() {
    return {{kTerrainSlot, "Terrain\\" + theGame.state.terrainName}, {kSpriteSlot, kSpriteSheetFile}};
}
