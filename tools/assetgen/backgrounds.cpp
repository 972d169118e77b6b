#include "assetgen/backgrounds.h"

#include <cmath>

#include "assetgen/canvas.h"
#include "assetgen/glyph_text.h"
#include "assetgen/layout.h"
#include "assetgen/noise.h"
#include "assetgen/palette.h"
#include "assetgen/panels_art.h"
#include "assetgen/units_art.h"

namespace assetgen {

namespace {

const TextStyle kCaption{1, {236, 206, 120}, {200, 160, 80}, {16, 14, 12}, 1};
const TextStyle kTitle{4, {255, 236, 170}, {214, 120, 40}, {20, 12, 8}, 1};

// A caption centred over a span of the screen.
Caption Over(int left, int right, int top, const std::string& text, int scale = 1) {
    return {text, left + (right - left - int(text.size()) * 16 * scale) / 2, top, scale};
}

void DrawCaptions(cairo_t* cr, const std::string& file) {
    for (const Caption& c : ScreenCaptions(file)) {
        const TextStyle style = c.scale == 1 ? kCaption : TextStyle{c.scale, kTitle.top, kTitle.bottom, kTitle.shadow, 1};
        DrawGlyphText(cr, LargeFont(), c.x, c.y, c.text, style);
    }
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

// A unit standing dark against the evening sky.
void Silhouette(cairo_t* cr, int row, double x, double y, double scale, bool facingLeft) {
    cairo_push_group(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, facingLeft ? -scale : scale, scale);
    DrawUnit(cr, row, PlayerColours(0));
    cairo_pattern_t* shape = cairo_pop_group(cr);
    SetRgb(cr, {20, 18, 30});
    cairo_mask(cr, shape);
    cairo_pattern_destroy(shape);
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
    Silhouette(cr, 2, 40, 540, 3.2, false);    // a RAPTOR on the near ridge
    Silhouette(cr, 6, 980, 560, 3.0, true);    // a TANK facing it
    Silhouette(cr, 5, 960, 320, 1.5, true);    // an AIR unit overhead
    DrawCaptions(cr, "MainMenu.bmp");
    cairo_rectangle(cr, 350, 286, 324, 268);  // behind buttons 36 to 42
    SetRgb(cr, {200, 160, 80});
    cairo_fill(cr);
    MetalPlate(cr, 352, 288, 320, 264);
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
    MetalPlate(cr, 8, 80, 1008, 240);  // the seats
    for (int k = 0; k < 4; ++k) Well(cr, 956, 126 + 48 * k, 40, 36);  // behind each seat's swatch
    MetalPlate(cr, 8, 368, 1008, 240);  // the game's options
    Well(cr, 684, 460, 312, 88);  // terrain preview
    const std::string preview = "RANDOM TERRAIN";
    DrawGlyphText(cr, SmallFont(), 840 - TextWidth(SmallFont(), preview) / 2, 496, preview,
                  {1, {130, 140, 160}, {110, 120, 140}, {16, 16, 20}, 0});
    MetalPlate(cr, 8, 648, 1008, 104);  // leave, name, launch
    DrawCaptions(cr, "Setup.bmp");
    return Finish(canvas);
}

Image LoadGame() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Cr();
    Backdrop(cr);
    DrawCaptions(cr, "LoadGame.bmp");
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

int Caption::Right() const { return x + int(text.size()) * 16 * scale; }

// Headings sit above or beside the buttons they name (the button table's
// rectangles), never on them: a button's plate is drawn over the background.
std::vector<Caption> ScreenCaptions(const std::string& file) {
    if (file == "MainMenu.bmp") return {Over(0, kScreenWidth, 100, "KORVESSA", 4), Over(0, kScreenWidth, 240, "A WAR OF FOUR FACTIONS")};
    if (file == "Setup.bmp")
        return {{"NEW GAME", 32, 20, 1},          {"GAME TYPE:", 464, 20, 1},       Over(16, 176, 88, "SEATS"),
                Over(192, 352, 88, "TYPE"),       Over(368, 528, 88, "FACTION"),    Over(544, 880, 88, "NAME"),
                Over(896, 992, 88, "COLOUR"),     Over(32, 256, 376, "COMPUTER"),   Over(304, 640, 376, "VICTORY"),
                Over(688, 992, 376, "TERRAIN"),   Over(32, 256, 520, "MAP SIZE"),   Over(272, 752, 668, "GAME NAME")};
    if (file == "LoadGame.bmp")
        return {Over(0, kScreenWidth, 12, "LOAD GAME", 2), {"SAVED GAMES", 16, 84, 1}, {"GAME DETAILS", 340, 84, 1}};
    return {};
}

std::vector<Background> MakeBackgrounds() {
    return {{"MainMenu.bmp", MainMenu()}, {"Setup.bmp", Setup()}, {"LoadGame.bmp", LoadGame()}, {"Info.bmp", Info()}};
}

}  // namespace assetgen
