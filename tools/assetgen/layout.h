#pragma once
// Where the game looks for each picture: the sprite sheet's regions, the
// terrain picture's regions and the screens' fixed places. The game blits
// these rectangles by number, so they are fixed here once for the drawing
// code and the tests.

namespace assetgen {

struct Rect {
    int left, top, right, bottom;  // right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kColours = 4;   // GREEN, RED, BLUE, PURPLE
constexpr int kFactions = 4;  // FIREBIRD, WASP, RAPTOR, PANTHER

namespace sheet {
constexpr Rect kLargeFont{0, 0, 1024, 32};
constexpr Rect kSmallFont{0, 32, 472, 48};  // codes 32 to 90 only
constexpr Rect kPlate{0, 48, 184, 80};
constexpr Rect kPlateLit{184, 48, 368, 80};
constexpr Rect kAttackMarker{368, 48, 400, 80};
constexpr Rect BuildMarker(int faction) { return {400 + 32 * faction, 48, 432 + 32 * faction, 80}; }
constexpr Rect kMoveReady{475, 35, 485, 45};
constexpr Rect kAttackReady{485, 35, 495, 45};
constexpr Rect Cursor(int frame) { return {528 + 64 * frame, 32, 592 + 64 * frame, 96}; }
constexpr Rect kViewFrame{848, 32, 887, 68};
constexpr Rect ColourBoxSwatch(int c) { return {848 + 32 * c, 68, 880 + 32 * c, 96}; }
constexpr Rect ScoreSwatch(int c) { return {848 + 32 * c, 96, 880 + 32 * c, 124}; }
constexpr Rect kUpperPanel{640, 187, 832, 438};
constexpr Rect kLowerPanel{832, 187, 1024, 704};
constexpr Rect kPopup{272, 528, 832, 704};
constexpr Rect Explosion(int frame) { return {64 * frame, 704, 64 * frame + 64, 768}; }

enum UnitRow { kStandardRow = 0, kBaseRow = 4, kAirRow = 5, kTankRow = 6, kArtilleryRow = 7, kUnitRows = 8 };
// Row r: STANDARD of faction r for r < 4, then BASE, AIR, TANK, ARTILLERY.
constexpr Rect Unit(int colour, int row) { return {64 * colour, 96 + 64 * row, 64 * colour + 64, 160 + 64 * row}; }

// The mini-map of the biggest map (63 tiles, offset -4) fills this part of the upper panel.
constexpr Rect kMiniMapWell{642, 218, 831, 407};
}  // namespace sheet

namespace terrain {
constexpr Rect kGround{0, 0, 384, 384};
constexpr int kCell = 64;
constexpr Rect kLandWater{0, 384, 64, 448};
constexpr Rect kWaterCurved{64, 384, 128, 448};
constexpr Rect kWater{128, 384, 192, 448};
constexpr Rect kLandRough{192, 384, 256, 448};
constexpr Rect kRoughCurved{256, 384, 320, 448};
constexpr Rect kRough{320, 384, 384, 448};
constexpr Rect kClearing{0, 448, 64, 512};
constexpr Rect kCrossingNS{64, 448, 128, 512};  // code 1004: water above and below
constexpr Rect kCrossingWE{128, 448, 192, 512};  // code 1005: water left and right
constexpr Rect kFog{192, 448, 256, 512};
// Mini-map dots, 3 x 3: land, water, rough ground, clearing, crossing.
constexpr int kDotTop = 475;
constexpr int kDotLeft[5] = {290, 300, 310, 320, 330};
constexpr int kWidth = 384;
constexpr int kHeight = 512;
}  // namespace terrain

}  // namespace assetgen
