#pragma once
// The human turn screen's parts, shared with the game-over view, which shows
// the same map view, mini-map and scrolling.
#include <cstdint>
#include <string>
#include <vector>

#include "game/state.h"
#include "ui/images.h"
#include "world/terrain_sheet.h"

// The frame of the animated selection cursor (0..3); it keeps counting
// across screens.
extern int cursorFrame;
// Where the mini-map is kept in the sprite sheet: inside the upper panel
// picture, so that it reaches the screen with that picture.
extern Rect miniMapRect;

inline constexpr int kMapViewWidth = 832;  // pixels; the panel lies right of it
// A map tile and a mini-map dot are drawn at the size the terrain picture has them.
inline constexpr int kTilePixels = terrain_sheet::kCell;
inline constexpr int kMiniMapDot = terrain_sheet::kDotSize;

// The offset that centres the mini-map: (60 - mapSize) * 3 / 2.
int MiniMapOffset(int mapSize);
// The mini-map's place on the screen.
Rect MiniMapScreenRect(int mapSize);
// Sets miniMapRect for the current map size.
void PlaceMiniMap();

// Rebuilds visibility and the mini-map kept in the sprite sheet.
void BuildMiniMap();
// The mini-map as shown on the screen, with the frame of the view on it.
void DrawViewFrame();
// The 13 x 12 tiles of the view from (scrollX, scrollY): terrain, fog,
// units, marks, the selection and its markers.
void DrawMapView();
// The side panel: pictures, energy, the selection, the player's figures and
// the score box.
void DrawPanel();
// One step of scrolling by the screen edges (while the pointer is in the
// window), the held arrow keys (after a short pause) and the mouse wheel.
void ScrollStep(uint32_t now);
// A press of an arrow key moves the view by one tile; the keyboard's own
// repeats move nothing, ScrollStep takes over. False for other keys.
bool ScrollByKey(int keyCode, bool repeated);
// A click on the mini-map puts the view around the clicked tile; false when
// the click missed the mini-map.
bool ScrollToMiniMapClick(int x, int y);

// Copies a rectangle of a surface slot to the back buffer at x, y; keyed
// copies leave the source's black pixels out.
void CopyPicture(int slot, const Rect& source, int x, int y, bool keyed);
// Stretches a rectangle of the sprite sheet onto a rectangle of the screen.
void StretchPicture(const Rect& source, const Rect& target);

// True when tick count `now` is later than `due`, across the counter's wrap.
inline bool TickIsLater(uint32_t now, uint32_t due) { return static_cast<int32_t>(now - due) > 0; }

// The F2 prompt of the turn screen and the game-over view: the scroll delay
// typed, kept within 0..100 and written to the settings file. kFatal when the
// box failed, otherwise kStay.
int AskScrollDelay();

// The pictures of the map screens: the terrain, then the sprite sheet.
std::vector<ScreenImage> MapScreenImages();

// The human turn screen's start: the world (made and saved on the first
// human turn of a game), the readied units, the income, the view and the
// panel's buttons. kStay when the turn can be played, otherwise the screen's
// result.
int StartHumanTurnScreen();
// The frame loop's handling of a key and of a click; kStay to go on.
int TakeTurnKey(bool& redraw);
int TakeTurnClick(bool& redraw);
// Notes the game as the turn begins, to tell later whether orders were given.
void RememberTurnStart();
// The player closed the window during the turn: asked first when orders
// were given, then the window closes. kStay to go on (the closing shows at
// the next frame), kFatal when the box failed.
int TakeCloseRequest(bool& redraw);
// Copies what the rules offer for the selection into the panel's buttons.
void SyncPanelButtons();
// The status line: the rules' last message, or else what the panel command
// under the cursor does and costs.
std::string StatusLine();
