#include "assetgen/terrain_art.h"

#include <cmath>

#include "assetgen/canvas.h"
#include "assetgen/layout.h"
#include "assetgen/noise.h"
#include "assetgen/terrain_textures.h"

namespace assetgen {

namespace {

// Quarter q: 0 NW, 1 NE, 2 SW, 3 SE. Its corner at the tile's centre is the
// centre of the quarter circle that rounds water and rough ground off.
bool InsideCurve(int q, int x, int y) {
    const double cx = (q % 2 == 0) ? 32 : 0, cy = (q < 2) ? 32 : 0;
    const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
    return dx * dx + dy * dy <= 32.0 * 32.0;
}

// Writes one 64 x 64 block of quarters of a 64-periodic texture: plain, the
// part inside the curves (curved water or rough ground), or the part outside
// them (the corner pocket next to a land tile). The rest is the colour key,
// so the land drawn underneath shows through.
enum class Cut { kPlain, kInside, kOutside };

void QuarterBlock(Image& picture, const Image& texture, Rect at, Cut cut) {
    for (int q = 0; q < 4; ++q) {
        const int ox = (q % 2) * 32, oy = (q / 2) * 32;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const bool inside = InsideCurve(q, x, y);
                const bool keep = cut == Cut::kPlain || (cut == Cut::kInside) == inside;
                picture.Set(at.left + ox + x, at.top + oy + y, keep ? texture.At(ox + x, oy + y) : kKey);
            }
    }
}

void Clearing(Image& picture, const Image& land, const TerrainTheme& theme) {
    const Rect r = terrain_sheet::kClearing;
    picture.Paste(land, 0, 0, 64, 64, r.left, r.top);
    Canvas pad(64, 64);
    cairo_t* cr = pad.Cr();
    // Worn ground around the pad fades out before the tile's edge, so the
    // clearing sits on whatever land surrounds it without a hard square.
    cairo_pattern_t* worn = cairo_pattern_create_radial(32, 32, 18, 32, 32, 32);
    const Rgb w = Mix(theme.landLow, theme.path, 0.5);
    cairo_pattern_add_color_stop_rgba(worn, 0, w.r / 255.0, w.g / 255.0, w.b / 255.0, 0.9);
    cairo_pattern_add_color_stop_rgba(worn, 1, w.r / 255.0, w.g / 255.0, w.b / 255.0, 0);
    cairo_set_source(cr, worn);
    cairo_paint(cr);
    cairo_pattern_destroy(worn);
    cairo_arc(cr, 32, 32, 22, 0, 2 * M_PI);
    SetRgb(cr, Shade(theme.path, 0.7), 0.9);
    cairo_fill(cr);
    cairo_arc(cr, 32, 32, 19, 0, 2 * M_PI);
    SetRgb(cr, theme.path);
    cairo_fill(cr);
    cairo_arc(cr, 32, 32, 13, 0, 2 * M_PI);
    SetRgb(cr, {250, 236, 150});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {  // landing lights on the rim of the pad
        const double a = i * M_PI / 2;
        cairo_arc(cr, 32 + 20.5 * std::cos(a), 32 + 20.5 * std::sin(a), 2, 0, 2 * M_PI);
        SetRgb(cr, {255, 230, 110});
        cairo_fill(cr);
    }
    PasteOver(picture, pad, r.left, r.top);
}

// A crossing: water across the tile with a bridge over it. waterAboveBelow
// means the water runs north to south and the bridge west to east.
void Crossing(Image& picture, const Image& water, const TerrainTheme& theme, Rect r, bool waterAboveBelow) {
    picture.Paste(water, 0, 0, 64, 64, r.left, r.top);
    Canvas bridge(64, 64);
    cairo_t* cr = bridge.Cr();
    if (!waterAboveBelow) {
        cairo_translate(cr, 32, 32);
        cairo_rotate(cr, M_PI / 2);
        cairo_translate(cr, -32, -32);
    }
    cairo_rectangle(cr, 0, 20, 64, 24);
    SetRgb(cr, Shade(theme.path, 0.55));
    cairo_fill(cr);
    for (int i = 0; i < 16; ++i) {
        cairo_rectangle(cr, i * 4 + 0.5, 22, 3, 20);
        SetRgb(cr, Shade(theme.path, i % 2 ? 0.95 : 0.85));
        cairo_fill(cr);
    }
    for (double y : {20.0, 42.0}) {  // rails
        cairo_rectangle(cr, 0, y, 64, 2);
        SetRgb(cr, Shade(theme.path, 0.45));
        cairo_fill(cr);
    }
    PasteOver(picture, bridge, r.left, r.top);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) picture.Set(x, y, AwayFromKey(picture.At(x, y)));
}

void Fog(Image& picture, const TerrainTheme& theme) {
    const Rect r = terrain_sheet::kFog;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const double v = PeriodicFbm(theme.seed + 7, x, y, 16, 64);
            picture.Set(r.left + x, r.top + y, AwayFromKey(Mix({30, 34, 44}, {58, 62, 76}, v)));
        }
}

Rgb Average(const Image& image, int left, int top, int w, int h) {
    long r = 0, g = 0, b = 0;
    for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x) {
            r += image.At(x, y).r;
            g += image.At(x, y).g;
            b += image.At(x, y).b;
        }
    const long n = long(w) * h;
    return {uint8_t(r / n), uint8_t(g / n), uint8_t(b / n)};
}

void Dots(Image& picture, const Image& land, const Image& water, const Image& rough, const TerrainTheme& theme) {
    const Rgb colours[5] = {Average(land, 0, 0, 384, 384), Average(water, 0, 0, 64, 64), Average(rough, 0, 0, 64, 64),
                            {250, 236, 150}, theme.path};
    for (int i = 0; i < 5; ++i)
        picture.Fill(terrain_sheet::kDotLeft[i], terrain_sheet::kDotTop, terrain_sheet::kDotLeft[i] + 3, terrain_sheet::kDotTop + 3,
                     AwayFromKey(colours[i]));
}

}  // namespace

std::vector<TerrainTheme> TerrainThemes() {
    using R = TerrainTheme::Rough;
    TerrainTheme temperate{"TEMPERATE.BMP", 101, {62, 116, 44}, {118, 166, 70}, {26, 70, 138}, {62, 120, 186},
                           {48, 96, 40}, {82, 124, 58}, R::kForest, {34, 92, 34}, {70, 140, 54},
                           {40, 84, 30}, {176, 150, 110}};
    TerrainTheme desert{"DESERT.BMP", 202, {196, 160, 100}, {232, 202, 140}, {24, 116, 130}, {70, 170, 176},
                        {170, 120, 76}, {204, 156, 104}, R::kRocks, {150, 96, 62}, {204, 150, 104},
                        {150, 110, 64}, {130, 100, 80}};
    TerrainTheme winter{"WINTER.BMP", 303, {196, 208, 224}, {244, 248, 252}, {30, 58, 100}, {70, 110, 150},
                        {200, 212, 226}, {236, 242, 250}, R::kPines, {40, 88, 70}, {236, 242, 250},
                        {160, 176, 198}, {120, 96, 80}};
    // Ash plains, rivers of lava and black basalt crags.
    TerrainTheme volcanic{"VOLCANIC.BMP", 404, {70, 62, 60}, {112, 102, 96}, {196, 54, 16}, {255, 150, 40},
                          {52, 46, 48}, {84, 74, 74}, R::kRocks, {40, 36, 40}, {104, 96, 100},
                          {130, 80, 60}, {150, 120, 96}};
    return {temperate, desert, winter, volcanic};
}

Image MakeTerrainPicture(const TerrainTheme& theme) {
    // Drawn at screen size like every picture the game loads; the layout uses the top-left 384 x 512.
    Image picture(kScreenWidth, kScreenHeight);
    const Image land = LandTexture(theme), water = WaterTexture(theme), rough = RoughTexture(theme);
    picture.Paste(land, 0, 0, 384, 384, 0, 0);
    QuarterBlock(picture, water, terrain_sheet::kLandWater, Cut::kOutside);
    QuarterBlock(picture, water, terrain_sheet::kWaterCurved, Cut::kInside);
    QuarterBlock(picture, water, terrain_sheet::kWater, Cut::kPlain);
    QuarterBlock(picture, rough, terrain_sheet::kLandRough, Cut::kOutside);
    QuarterBlock(picture, rough, terrain_sheet::kRoughCurved, Cut::kInside);
    QuarterBlock(picture, rough, terrain_sheet::kRough, Cut::kPlain);
    Clearing(picture, land, theme);
    Crossing(picture, water, theme, terrain_sheet::kCrossingNS, true);
    Crossing(picture, water, theme, terrain_sheet::kCrossingWE, false);
    Fog(picture, theme);
    Dots(picture, land, water, rough, theme);
    return picture;
}

std::vector<TerrainPicture> MakeTerrainPictures() {
    std::vector<TerrainPicture> pictures;
    for (const TerrainTheme& theme : TerrainThemes()) pictures.push_back({theme.file, MakeTerrainPicture(theme)});
    return pictures;
}

}  // namespace assetgen
