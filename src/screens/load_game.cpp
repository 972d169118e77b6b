// The load game screen (kLoadGameScreen): the saved games, one per row, and
// the summary of the one picked; LAUNCH hands it over to its next player.
#include <cstdlib>

#include "platform/input.h"
#include "platform/platform.h"
#include "platform/run_log.h"
#include "save/saved_game.h"
#include "screens/commands.h"
#include "screens/file_drop.h"
#include "screens/hand_over.h"
#include "screens/load_game_files.h"
#include "screens/load_game_list.h"
#include "screens/load_game_summary.h"
#include "screens/screens.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/sprite_layout.h"
#include "ui/text.h"

namespace {

const std::vector<ScreenImage> kLoadGameImages = {{kSpriteSlot, kSpriteSheetFile},
                                                  {kBackgroundSlot, "Images\\LoadGame.bmp"}};
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kRowsPerWheelNotch = 3;
constexpr int kPositionY = 736;  // below the rows, left of the buttons

struct LoadGameView {
    SavedGameList list;
    bool picked = false;
};

int Launch() { return ApplyButtonCommand(kLaunchSavedGameButton); }

// The picked game's row stays lit, as does the row under the cursor.
bool RowLit(const LoadGameView& view, int row, Point cursor) {
    const bool picked = view.picked && view.list.files[view.list.firstRow + row] == theGame.saveFileName;
    return picked || SavedGameList::RowUnderCursor(row, cursor.x, cursor.y);
}

void DrawRows(const LoadGameView& view) {
    const Point cursor = GetPlatform().CursorPos();
    for (int row = 0; row < kVisibleRows && view.list.firstRow + row < view.list.Count(); ++row) {
        const int y = kRowTop + kRowStep * row;
        if (RowLit(view, row, cursor)) {
            const DdRect target{8, y - 2, 328, y + 18};
            const DdRect source{sheet::kButtonPlateLit.left, sheet::kButtonPlateLit.top,
                                sheet::kButtonPlateLit.right, sheet::kButtonPlateLit.bottom};
            display.backSurface->Blt(&target, display.offscreenSurfaces[kSpriteSlot], &source, DDBLT_WAIT, nullptr);
        }
        DrawText(kRowLeft, y, view.list.files[view.list.firstRow + row], kSmallFont);
    }
}

void DrawLoadGame(const LoadGameView& view) {
    display.CopySurface(display.backSurface, display.offscreenSurfaces[kBackgroundSlot]);
    buttonTable[kLaunchSavedGameButton].state = kButtonHidden;
    if (view.picked) {
        GameSummary();
        buttonTable[kLaunchSavedGameButton].state = kButtonActive;
    }
    DrawButton(buttonTable[kReturnButton]);
    DrawButton(buttonTable[kLaunchSavedGameButton]);
    DrawRows(view);
    DrawText(kRowLeft, kPositionY, view.list.PositionText(), kSmallFont);
    display.Present();
}

// A file that cannot be read is not taken, and the player is told why. No
// game stays picked: LAUNCH and Enter start only what the player picked.
int PickFile(LoadGameView& view, int index) {
    GetPlatform().PlaySound(kButtonClickSound);
    theGame.saveFileName = view.list.files[index];
    view.picked = LoadGameFromFile(theGame);
    if (view.picked) return kStay;
    AppendLog("LoadGameScreen(): \"" + theGame.saveFileName + "\" not picked, it cannot be read");
    const std::string label = GameLabel(theGame.saveFileName);
    theGame.saveFileName.clear();
    const int shown = ShowNotice("THIS GAME CANNOT BE READ", label, "THE FILE IS DAMAGED");
    return shown == kFatal ? kFatal : kStay;
}

int TakeClick(LoadGameView& view) {
    input.clickPending = 0;
    for (int id : {kReturnButton, kLaunchSavedGameButton}) {
        if (ClickButton(buttonTable[id])) return ApplyButtonCommand(id);
    }
    if (const auto index = view.list.IndexAt(input.clickX, input.clickY)) return PickFile(view, *index);
    return kStay;
}

int TakeKey(const LoadGameView& view) {
    input.keyPressed = 0;
    if (input.typedChar == kEnter && view.picked) {
        GetPlatform().PlaySound(kButtonClickSound);
        return Launch();
    }
    if (input.typedChar == kEscape) {
        GetPlatform().PlaySound(kButtonClickSound);
        return GoTo(kMainMenuScreen);
    }
    return kStay;
}

void ScrollList(LoadGameView& view) {
    Platform& platform = GetPlatform();
    if (platform.KeyHeld(VK_DOWN)) view.list.ScrollDown();
    if (platform.KeyHeld(VK_UP)) view.list.ScrollUp();
    for (int step = 0; step < kRowsPerWheelNotch * std::abs(input.wheelNotches); ++step) {
        if (input.wheelNotches > 0) view.list.ScrollUp();
        else view.list.ScrollDown();
    }
    input.wheelNotches = 0;
}

// A saved game dropped on the window joins the list at once, in its place.
int TakeDrop(LoadGameView& view) {
    const DropOutcome dropped = TakeDroppedFile();
    if (dropped == DropOutcome::kFatal) return kFatal;
    if (dropped == DropOutcome::kCopied) view.list.files = ListSavedGames();
    return kStay;
}

}  // namespace

int LoadGameScreen() {
    if (!LoadScreenImages(kLoadGameImages)) return kFatal;
    theGame.saveFileName.clear();
    LoadGameView view;
    view.list.files = ListSavedGames();
    ForgetEarlierDrops();
    input.wheelNotches = 0;  // turned on an earlier screen
    PictureWatch watch;
    while (true) {
        if (!PumpMessages(watch) && !RecoverDisplay(kLoadGameImages, watch)) return kFatal;
        DrawLoadGame(view);
        if (const int result = TakeDrop(view); result != kStay) return result;
        if (input.clickPending) {
            if (const int result = TakeClick(view); result != kStay) return result;
        }
        if (input.keyPressed) {
            if (const int result = TakeKey(view); result != kStay) return result;
        }
        ScrollList(view);
    }
}
