#include "assetgen/backgrounds.h"

#include <cmath>

#include "assetgen/canvas.h"
#include "assetgen/glyph_text.h"
#include "assetgen/layout.h"
#include "assetgen/noise.h"
#include "assetgen/palette.h"
#include "assetgen/panels_art.h"

namespace assetgen {

namespace {

const TextStyle kCaption{1, {236, 206, 120}, {200, 160, 80}, {16, 14, 12}, 1};
const TextStyle kTitle{4, {255, 236, 170}, {214, 120, 40}, {20, 12, 8}, 1};

// Large-font caption centred over a span of the screen.
void CaptionOver(cairo_t* cr, int left, int right, int top, const std::string& text) {
    const int width = TextWidth(LargeFont(), text);
    DrawGlyphText(cr, LargeFont(), left + (right - left - width) / 2, top, text, kCaption);
}

// Night-blue backdrop with a faint map grid, common to every screen.
void Backdrop(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kScreenHeight);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.07, 0.09, 0.14);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.15, 0.22);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1);
    for (int x = 0; x <= kScreenWidth; x += 64) {
        cairo_move_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 0.5, kScreenHeight);
    }
    for (int y = 0; y <= kScreenHeight; y += 64) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, kScreenWidth, y + 0.5);
    }
    cairo_set_source_rgba(cr, 0.5, 0.6, 0.8, 0.06);
    cairo_stroke(cr);
}

Image Finish(const Canvas& canvas) {
    Image image(kScreenWidth, kScreenHeight);
    PasteOpaque(image, canvas, 0, 0);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) image.Set(x, y, AwayFromKey(image.At(x, y)));
    return image;
}

void Mountains(cairo_t* cr, double base, double height, uint32_t seed, Rgb colour) {
    cairo_move_to(cr, 0, kScreenHeight);
    for (int x = 0; x <= kScreenWidth; x += 8) {
        const double h = PeriodicFbm(seed, x, 0, 256, 1024) * height;
        cairo_line_to(cr, x, base - h);
    }
    cairo_line_to(cr, kScreenWidth, kScreenHeight);
    cairo_close_path(cr);
    SetRgb(cr, colour);
    cairo_fill(cr);
}

Image MainMenu() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 600);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.06, 0.14);
    cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.22, 0.14, 0.26);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.80, 0.42, 0.20);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    for (int i = 0; i < 90; ++i) {  // stars
        cairo_arc(cr, Hash01(5, 1, i) * kScreenWidth, Hash01(5, 2, i) * 300, 0.6 + Hash01(5, 3, i), 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 0.9, 0.3 + 0.5 * Hash01(5, 4, i));
        cairo_fill(cr);
    }
    Mountains(cr, 600, 220, 41, {70, 46, 70});
    Mountains(cr, 660, 160, 42, {42, 32, 52});
    Mountains(cr, 720, 90, 43, {24, 22, 34});
    const std::string title = "KORVESSA";
    DrawGlyphText(cr, LargeFont(), (kScreenWidth - TextWidth(LargeFont(), title, 4)) / 2, 100, title, kTitle);
    const std::string tagline = "A WAR OF FOUR FACTIONS";
    CaptionOver(cr, 0, kScreenWidth, 240, tagline);
    MetalPlate(cr, 352, 288, 320, 264);  // behind buttons 36 to 42
    cairo_rectangle(cr, 0, 744, kScreenWidth, 24);  // the banner line
    SetRgb(cr, {18, 16, 26});
    cairo_fill(cr);
    return Finish(canvas);
}

Image Setup() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    Backdrop(cr);
    MetalPlate(cr, 0, 0, kScreenWidth, 72);
    DrawGlyphText(cr, LargeFont(), 32, 20, "NEW GAME", kCaption);
    DrawGlyphText(cr, LargeFont(), 464, 20, "GAME TYPE:", kCaption);
    MetalPlate(cr, 8, 80, 1008, 240);  // the seats
    CaptionOver(cr, 16, 176, 88, "SEATS");
    CaptionOver(cr, 192, 352, 88, "TYPE");
    CaptionOver(cr, 368, 528, 88, "FACTION");
    CaptionOver(cr, 544, 880, 88, "NAME");
    CaptionOver(cr, 896, 992, 88, "COLOUR");
    for (int k = 0; k < 4; ++k) Well(cr, 956, 126 + 48 * k, 40, 36);  // behind each seat's swatch
    MetalPlate(cr, 8, 368, 1008, 240);  // the game's options
    CaptionOver(cr, 32, 256, 376, "COMPUTER");
    CaptionOver(cr, 304, 640, 376, "VICTORY");
    CaptionOver(cr, 688, 992, 376, "TERRAIN");
    CaptionOver(cr, 32, 256, 520, "MAP SIZE");
    Well(cr, 684, 460, 312, 88);  // terrain preview
    const std::string preview = "RANDOM TERRAIN";
    DrawGlyphText(cr, SmallFont(), 840 - TextWidth(SmallFont(), preview) / 2, 496, preview,
                  {1, {130, 140, 160}, {110, 120, 140}, {16, 16, 20}, 0});
    MetalPlate(cr, 8, 648, 1008, 104);  // leave, name, launch
    CaptionOver(cr, 272, 752, 668, "GAME NAME");
    return Finish(canvas);
}

Image LoadGame() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    Backdrop(cr);
    const std::string title = "LOAD GAME";
    DrawGlyphText(cr, LargeFont(), (kScreenWidth - TextWidth(LargeFont(), title, 2)) / 2, 12, title,
                  {2, kTitle.top, kTitle.bottom, kTitle.shadow, 1});
    DrawGlyphText(cr, LargeFont(), 16, 84, "SAVED GAMES", kCaption);
    DrawGlyphText(cr, LargeFont(), 340, 84, "GAME DETAILS", kCaption);
    Well(cr, 6, 116, 326, 608);    // the list of files, rows at y 122 + 20k
    Well(cr, 334, 116, 684, 448);  // summary, seats and the winner's line
    return Finish(canvas);
}

Image Info() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    Backdrop(cr);
    Well(cr, 16, 20, 992, 698);  // 33 lines at x 30, y 30 + 20i
    return Finish(canvas);
}

}  // namespace

std::vector<Background> MakeBackgrounds() {
    return {{"MainMenu.bmp", MainMenu()}, {"Setup.bmp", Setup()}, {"LoadGame.bmp", LoadGame()}, {"Info.bmp", Info()}};
}

}  // namespace assetgen
