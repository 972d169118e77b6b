// The map view: 13 columns by 12 rows of 64-pixel tiles from the scroll
// position, under fog where the current player sees nothing.
#include <string>

#include "game/unit_types.h"
#include "screens/human_turn.h"
#include "screens/turn_report.h"
#include "screens/unit_picture.h"
#include "shell/shell.h"
#include "ui/text.h"
#include "world/terrain_sheet.h"

namespace {

void DrawTerrain(const Tile& tile, int sx, int sy) {
    CopyPicture(kTerrainSlot, tile.imageRect, sx, sy, false);
    static constexpr int kCornerDx[4] = {0, 32, 0, 32};
    static constexpr int kCornerDy[4] = {0, 0, 32, 32};
    for (int corner = 0; corner < 4; ++corner) {
        if (tile.cornerRect[corner] == terrain_sheet::kNoCorner) continue;
        CopyPicture(kTerrainSlot, tile.cornerRect[corner], sx + kCornerDx[corner], sy + kCornerDy[corner], true);
    }
}

// An active unit: its picture, its health centred over it, and for the
// current player's own units the marks of what it may still do.
void DrawActiveUnit(const Unit& unit, int sx, int sy) {
    const Player& owner = theGame.state.players[unit.owner];
    CopyPicture(kSpriteSlot, sheet::UnitPicture(unit.type, owner.faction, owner.colour), sx, sy, true);
    const std::string health = std::to_string(unit.health);
    const int ty = sy + (unit.type == kBase ? 25 : 48);
    DrawText(sx + (8 - static_cast<int>(health.size())) * 4, ty, health, kSmallFont);
    if (unit.owner != theGame.state.currentPlayer) return;
    if (unit.canAttack == 1) CopyPicture(kSpriteSlot, sheet::kAttackReadyMark, sx + 10, ty + 2, true);
    if (unit.canMove == 1 && unit.type != kArtillery) CopyPicture(kSpriteSlot, sheet::kMoveReadyMark, sx + 44, ty + 2, true);
}

void DrawUnit(int x, int y, int sx, int sy) {
    const int slot = UnitAt(theGame, x, y);
    if (slot < 0) return;
    const Unit& unit = theGame.state.units[slot];
    if (unit.state == kActive) {
        DrawActiveUnit(unit, sx, sy);
    } else if (unit.state == kDestroyed) {
        CopyPicture(kSpriteSlot, sheet::ExplosionFrame(unit.explosionFrame), sx, sy, true);
    }
}

// The cursor on the selected unit, and the first marker of the tile that
// applies: where it may move, attack or place a new unit.
void DrawSelection(const Tile& tile, int x, int y, int sx, int sy) {
    if (!theGame.unitSelected) return;
    const Unit& selected = theGame.state.units[theGame.selectedUnit];
    if (selected.x == x && selected.y == y) CopyPicture(kSpriteSlot, sheet::CursorFrame(cursorFrame), sx, sy, true);
    if (tile.reach > 0) {
        CopyPicture(kSpriteSlot, sheet::kMoveReadyMark, sx + 27, sy + 27, true);
    } else if (tile.attackMark) {
        CopyPicture(kSpriteSlot, sheet::kAttackMarker, sx + 16, sy + 16, true);
    } else if (tile.buildMark) {
        const int faction = theGame.state.players[selected.owner].faction;
        CopyPicture(kSpriteSlot, sheet::BuildMarker(faction), sx + 16, sy + 16, true);
    }
}

}  // namespace

void DrawMapView() {
    const Game& game = theGame;
    for (int i = 0; i < kViewColumns; ++i) {
        for (int j = 0; j < kViewRows; ++j) {
            const int x = game.scrollX + i, y = game.scrollY + j;
            const int sx = kTilePixels * i, sy = kTilePixels * j;
            if (!OnMap(game, x, y)) continue;
            if (game.fogOfWar == 1 && game.visibleTiles[x][y] == 0) {
                CopyPicture(kTerrainSlot, terrain_sheet::kFog, sx, sy, false);
                DrawTurnReportMark(x, y, sx, sy);
                continue;
            }
            const Tile& tile = game.map.tiles[x][y];
            DrawTerrain(tile, sx, sy);
            DrawUnit(x, y, sx, sy);
            DrawSelection(tile, x, y, sx, sy);
            DrawTurnReportMark(x, y, sx, sy);
        }
    }
}
