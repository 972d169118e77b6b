// The mini-map: 3 x 3 pixels a tile, kept inside the sprite sheet's upper
// panel picture and rebuilt only when something on it may have changed.
#include <algorithm>

#include "game/unit_types.h"
#include "game/visibility.h"
#include "screens/human_turn.h"
#include "screens/turn_report.h"
#include "shell/shell.h"
#include "ui/display.h"
#include "ui/sprite_layout.h"
#include "world/terrain_sheet.h"

int cursorFrame = 0;
Rect miniMapRect;

namespace {

// The upper panel picture's place on the screen (832, 0) against its place
// in the sheet (640, 187).
constexpr int kSheetToScreenX = 832 - 640;
constexpr int kSheetToScreenY = 0 - 187;

void FillMiniMapBlack() {
    const DdRect target{miniMapRect.left, miniMapRect.top, miniMapRect.right, miniMapRect.bottom};
    DdBltFx fill;
    fill.fillColor = 0;
    display.offscreenSurfaces[kSpriteSlot]->Blt(&target, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fill);
}

void PaintDot(int x, int y) {
    const Game& game = theGame;
    if (game.fogOfWar == 1 && game.visibleTiles[x][y] == 0) return;
    DrawSurface* sheetSurface = display.offscreenSurfaces[kSpriteSlot];
    const int left = miniMapRect.left + kMiniMapDot * x;
    const int top = miniMapRect.top + kMiniMapDot * y;
    const int unit = ActiveUnitAt(game, x, y);
    if (unit >= 0) {
        const int colour = game.state.players[game.state.units[unit].owner].colour;
        const Rect dot = sheet::MiniMapDot(colour);
        const DdRect from{dot.left, dot.top, dot.right, dot.bottom};
        sheetSurface->BltFast(left, top, sheetSurface, &from, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
        return;
    }
    const Rect dot = terrain_sheet::MiniMapDot(game.map.tiles[x][y].terrain);
    const DdRect from{dot.left, dot.top, dot.right, dot.bottom};
    sheetSurface->BltFast(left, top, display.offscreenSurfaces[kTerrainSlot], &from,
                          DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
}

}  // namespace

int MiniMapOffset(int mapSize) { return (60 - mapSize) * 3 / 2; }

Rect MiniMapScreenRect(int mapSize) {
    const int o = MiniMapOffset(mapSize);
    const int side = kMiniMapDot * mapSize;
    return {838 + o, 35 + o, 838 + o + side, 35 + o + side};
}

void PlaceMiniMap() {
    const Rect onScreen = MiniMapScreenRect(theGame.map.mapSize);
    miniMapRect = {onScreen.left - kSheetToScreenX, onScreen.top - kSheetToScreenY,
                   onScreen.right - kSheetToScreenX, onScreen.bottom - kSheetToScreenY};
}

void BuildMiniMap() {
    ComputeVisibility(theGame);
    FillMiniMapBlack();
    const int size = theGame.map.mapSize;
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) PaintDot(x, y);
    }
}

void DrawViewFrame() {
    const Rect miniMap = MiniMapScreenRect(theGame.map.mapSize);
    CopyPicture(kSpriteSlot, sheet::kViewFrame, miniMap.left + kMiniMapDot * theGame.scrollX,
                miniMap.top + kMiniMapDot * theGame.scrollY, true);
    DrawTurnReportMiniMapMarks();
}

bool ScrollToMiniMapClick(int x, int y) {
    const Rect miniMap = MiniMapScreenRect(theGame.map.mapSize);
    if (x < miniMap.left || x >= miniMap.right || y < miniMap.top || y >= miniMap.bottom) return false;
    theGame.scrollX = std::min(std::max((x - miniMap.left) / kMiniMapDot - 6, 0), theGame.maxScrollX);
    theGame.scrollY = std::min(std::max((y - miniMap.top) / kMiniMapDot - 5, 0), theGame.maxScrollY);
    return true;
}

void CopyPicture(int slot, const Rect& source, int x, int y, bool keyed) {
    const DdRect from{source.left, source.top, source.right, source.bottom};
    const uint32_t flags = (keyed ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY) | DDBLTFAST_WAIT;
    display.backSurface->BltFast(x, y, display.offscreenSurfaces[slot], &from, flags);
}

void StretchPicture(const Rect& source, const Rect& target) {
    const DdRect from{source.left, source.top, source.right, source.bottom};
    const DdRect to{target.left, target.top, target.right, target.bottom};
    display.backSurface->Blt(&to, display.offscreenSurfaces[kSpriteSlot], &from, DDBLT_WAIT, nullptr);
}
