#include "assetgen/sprite_sheet.h"

#include "assetgen/glyph_text.h"
#include "assetgen/layout.h"
#include "assetgen/markers_art.h"
#include "assetgen/panels_art.h"
#include "assetgen/units_art.h"

namespace assetgen {

Image MakeSpriteSheet() {
    Image sheet(sheet::kWidth, sheet::kHeight);  // starts all key: unused parts stay transparent
    DrawSheetFonts(sheet);
    DrawButtonPlates(sheet);
    DrawMarkers(sheet);
    DrawCursorFrames(sheet);
    DrawUnitPictures(sheet);
    DrawPopupBox(sheet);
    DrawSidePanels(sheet);
    DrawViewFrame(sheet);
    DrawSwatches(sheet);
    DrawExplosionFrames(sheet);
    return sheet;
}

}  // namespace assetgen
