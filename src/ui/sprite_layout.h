#pragma once
// Where everything sits in the sprite sheet "Images\\Sprites.bmp" (surface
// slot 0). The art generator draws to these rectangles and the toolkit and
// screens copy from them, so both sides must read them from here. Rectangles
// are left, top, right, bottom with right and bottom exclusive.
#include "game/state.h"

namespace sheet {

inline constexpr int kWidth = 1024;
inline constexpr int kHeight = 768;

// The two fonts: one row of equal cells each, cell = character code - 32.
inline constexpr int kLargeFontTop = 0;
inline constexpr int kLargeCellWidth = 16;
inline constexpr int kLargeCellHeight = 32;
inline constexpr int kSmallFontTop = 32;
inline constexpr int kSmallCellWidth = 8;
inline constexpr int kSmallCellHeight = 16;
// The last character code with a glyph in each font: the large font ends at
// the underscore, the small one at Z (its row goes on with other pictures).
inline constexpr int kLargeLastChar = 95;
inline constexpr int kSmallLastChar = 90;

inline constexpr Rect kButtonPlate{0, 48, 184, 80};
inline constexpr Rect kButtonPlateLit{184, 48, 368, 80};
inline constexpr Rect kAttackMarker{368, 48, 400, 80};
constexpr Rect BuildMarker(int faction) { return {400 + 32 * faction, 48, 432 + 32 * faction, 80}; }

inline constexpr int kUnitCell = 64;
// Top row of a unit picture: the STANDARD unit has one row per faction, the
// other types one row shared by all factions.
constexpr int UnitRowTop(int unitType, int faction) {
    switch (unitType) {
        case kBase: return 352;
        case kAir: return 416;
        case kTank: return 480;
        case kArtillery: return 544;
        default: return 96 + 64 * faction;
    }
}
constexpr Rect UnitPicture(int unitType, int faction, int colour) {
    const int top = UnitRowTop(unitType, faction);
    return {kUnitCell * colour, top, kUnitCell * colour + kUnitCell, top + kUnitCell};
}

inline constexpr Rect kPopupBox{272, 528, 832, 704};
inline constexpr Rect kMoveReadyMark{475, 35, 485, 45};
inline constexpr Rect kAttackReadyMark{485, 35, 495, 45};
inline constexpr int kCursorFrames = 4;
constexpr Rect CursorFrame(int k) { return {528 + 64 * k, 32, 592 + 64 * k, 96}; }
inline constexpr int kExplosionFrames = 16;
constexpr Rect ExplosionFrame(int f) { return {64 * f, 704, 64 * f + 64, 768}; }
inline constexpr Rect kUpperPanel{640, 187, 832, 438};
inline constexpr Rect kLowerPanel{832, 187, 1024, 704};
inline constexpr Rect kViewFrame{848, 32, 887, 68};
constexpr Rect ColourSwatch(int colour) { return {848 + 32 * colour, 68, 880 + 32 * colour, 96}; }
// The second swatch row; its top-left 3 x 3 pixels are the mini-map dot.
constexpr Rect ColourSwatchLower(int colour) { return {848 + 32 * colour, 96, 880 + 32 * colour, 124}; }
constexpr Rect MiniMapDot(int colour) { return {848 + 32 * colour, 96, 851 + 32 * colour, 99}; }

}  // namespace sheet
