#include "screens/setup_view.h"

#include "screens/commands.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/sprite_layout.h"
#include "world/terrain_sheet.h"

namespace {

DdRect ToDdRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

void Copy(int slot, const Rect& source, int x, int y, bool keyed) {
    const DdRect from = ToDdRect(source);
    display.backSurface->BltFast(x, y, display.offscreenSurfaces[slot], &from,
                                 (keyed ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY) | DDBLTFAST_WAIT);
}

void DrawSwatches() {
    for (int k = 0; k < kSeats; ++k) {
        const int colour = theGame.state.players[k].colour;
        if (colour < 0 || colour > 3) continue;
        Copy(kSpriteSlot, sheet::ColourSwatchLower(colour), 960, 130 + 48 * k, false);
    }
}

// A corner of the chosen terrain with rough ground, a base and water on it.
void DrawTerrainPreview() {
    Copy(kTerrainSlot, {0, 0, 304, 80}, 688, 464, false);
    Copy(kTerrainSlot, terrain_sheet::kRoughCurved, 696, 472, true);
    Copy(kSpriteSlot, sheet::UnitCell(sheet::kBaseRow, kGreen), 808, 472, true);
    Copy(kTerrainSlot, terrain_sheet::kWaterCurved, 920, 472, true);
}

}  // namespace

std::vector<ScreenImage> SetupImages() {
    std::vector<ScreenImage> images = {{kSpriteSlot, kSpriteSheetFile}, {kBackgroundSlot, "Images\\Setup.bmp"}};
    if (terrainChoice != 0) images.push_back({kTerrainSlot, "Terrain\\" + TerrainList[terrainChoice]});
    return images;
}

void DrawSetupScreen() {
    display.CopySurface(display.backSurface, display.offscreenSurfaces[kBackgroundSlot]);
    for (int id = kFirstSetupButton; id <= kLastSetupButton; ++id) DrawButton(buttonTable[id]);
    DrawSwatches();
    if (terrainChoice != 0) DrawTerrainPreview();
    display.Present();
}
