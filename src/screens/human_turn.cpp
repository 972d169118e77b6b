// The human turn screen (kHumanTurnScreen): the map view and the panel, redrawn
// every frame; game time, scrolling and input move on in animation steps of
// at least 30 milliseconds.
#include "game/turns.h"
#include "platform/input.h"
#include "screens/hand_over.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/sprite_layout.h"
#include "ui/text.h"

namespace {

constexpr uint32_t kAnimationStepMs = 30;

struct TurnClock {
    bool redraw = true;
    uint32_t nextAnimation = 0;
    uint32_t nextScroll = 0;
};

void DrawTurnFrame() {
    SyncPanelButtons();
    DrawPanel();
    DrawMapView();
    for (int id = kFirstTurnButton; id <= kLastTurnButton; ++id) DrawButton(buttonTable[id]);
    DrawText(16, 730, StatusLine(), kSmallFont);
    display.Present();
}

// Explosions run on and the cursor turns; true while anything explodes,
// since no input is taken until the explosions are over.
bool AnimationStep() {
    bool exploding = false;
    for (Unit& unit : theGame.state.units) {
        if (unit.state != kDestroyed) continue;
        exploding = true;
        if (++unit.explosionFrame >= sheet::kExplosionFrames) {
            unit.state = kFree;
            unit.explosionFrame = 0;
        }
    }
    cursorFrame = (cursorFrame + 1) % sheet::kCursorFrames;
    return exploding;
}

// While the turn runs, closing the window asks first (orders would be
// lost); a request still open as the turn ends is carried out then.
class CloseNeedsConsent {
public:
    CloseNeedsConsent() { windowState.closeNeedsConsent = 1; }
    ~CloseNeedsConsent() {
        windowState.closeNeedsConsent = 0;
        if (input.closeRequested) CloseWindowNow();
    }
    CloseNeedsConsent(const CloseNeedsConsent&) = delete;
    CloseNeedsConsent& operator=(const CloseNeedsConsent&) = delete;
};

// Everything after the drawing that happens at an animation step; kStay to go on.
int GameStep(TurnClock& clock, uint32_t now) {
    clock.nextAnimation = now + kAnimationStepMs;
    if (input.closeRequested) return TakeCloseRequest(clock.redraw);
    if (AnimationStep()) return kStay;
    if (TickIsLater(now, clock.nextScroll)) {
        ScrollStep(now);
        clock.nextScroll = now + static_cast<uint32_t>(settings.scrollDelay);
    }
    ShowPendingNotices();
    if (IsGameOver(theGame)) return GoTo(kEndTurnScreen);
    if (input.keyPressed) {
        if (const int result = TakeTurnKey(clock.redraw); result != kStay) return result;
    }
    if (input.clickPending) {
        if (const int result = TakeTurnClick(clock.redraw); result != kStay) return result;
    }
    return kStay;
}

}  // namespace

int RunHumanTurn() {
    if (const int start = StartHumanTurnScreen(); start != kStay) return start;
    RememberTurnStart();
    const CloseNeedsConsent closeGuard;
    TurnClock clock;
    clock.nextAnimation = clock.nextScroll = theGame.TickCount();
    PictureWatch watch;
    while (true) {
        if (!PumpMessages(watch)) {
            if (!RecoverDisplay(MapScreenImages(), watch)) return kFatal;
            clock.redraw = true;
        }
        if (clock.redraw || theGame.panel.miniMapStale) {
            clock.redraw = false;
            theGame.panel.miniMapStale = false;
            BuildMiniMap();
        }
        DrawTurnFrame();
        const uint32_t now = theGame.TickCount();
        if (!TickIsLater(now, clock.nextAnimation)) continue;
        if (const int result = GameStep(clock, now); result != kStay) return result;
    }
}
