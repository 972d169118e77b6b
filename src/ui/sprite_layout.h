#pragma once
// Where everything sits in the sprite sheet "Images\\Sprites.bmp" (surface
// slot 0). The art generator draws to these rectangles and the toolkit and
// screens copy from them, so both sides must read them from here. Rectangles
// are left, top, right, bottom with right and bottom exclusive.
#include "platform/rect.h"

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
// The glyph cells of each font, from the space to its last character.
inline constexpr Rect kLargeFontStrip{0, kLargeFontTop, (kLargeLastChar - 31) * kLargeCellWidth,
                                      kLargeFontTop + kLargeCellHeight};
inline constexpr Rect kSmallFontStrip{0, kSmallFontTop, (kSmallLastChar - 31) * kSmallCellWidth,
                                      kSmallFontTop + kSmallCellHeight};
// The cell of character `code` (from the space to the font's last character).
constexpr Rect GlyphCell(int code, bool small) {
    const int width = small ? kSmallCellWidth : kLargeCellWidth;
    const int top = small ? kSmallFontTop : kLargeFontTop;
    const int left = (code - 32) * width;
    return {left, top, left + width, top + (small ? kSmallCellHeight : kLargeCellHeight)};
}

inline constexpr Rect kButtonPlate{0, 48, 184, 80};
inline constexpr Rect kButtonPlateLit{184, 48, 368, 80};
inline constexpr Rect kAttackMarker{368, 48, 400, 80};
constexpr Rect BuildMarker(int faction) { return {400 + 32 * faction, 48, 432 + 32 * faction, 80}; }

inline constexpr int kUnitCell = 64;
// Unit pictures: one row of cells a kind of unit, one cell a colour. The
// STANDARD unit has a row for each faction, the other types one row shared
// by all factions.
enum UnitRow : int { kStandardRow = 0, kBaseRow = 4, kAirRow = 5, kTankRow = 6, kArtilleryRow = 7, kUnitRows = 8 };
constexpr Rect UnitCell(int row, int colour) {
    const int top = 96 + kUnitCell * row;
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
