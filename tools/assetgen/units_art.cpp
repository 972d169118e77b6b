#include "assetgen/units_art.h"

#include <cmath>

#include "assetgen/canvas.h"
#include "assetgen/layout.h"
#include "assetgen/palette.h"

namespace assetgen {

namespace {

constexpr double kLine = 1.6;

// Fills the current path with a top-to-bottom shading of the colour and inks its outline.
void Body(cairo_t* cr, Rgb light, Rgb dark, double y0, double y1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, light.r / 255.0, light.g / 255.0, light.b / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r / 255.0, dark.g / 255.0, dark.b / 255.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetRgb(cr, ui::kInk);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

void Flat(cairo_t* cr, Rgb c) {
    SetRgb(cr, c);
    cairo_fill_preserve(cr);
    SetRgb(cr, ui::kInk);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

// A limb or strut: a thick stroke with an inked rim like every other shape.
void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgb c) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (width >= 2.5) {
        SetRgb(cr, ui::kInk);
        cairo_set_line_width(cr, width + 2);
        cairo_stroke_preserve(cr);
    }
    SetRgb(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Eye(cairo_t* cr, double x, double y, double r, Rgb c) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    Flat(cr, c);
}

// FIREBIRD: a winged hover trooper trailing flame.
void Firebird(cairo_t* cr, const PlayerPalette& p) {
    const Rgb flame{255, 150, 40}, flameTip{255, 226, 90};
    cairo_move_to(cr, 10, 34);  // tail flame
    cairo_curve_to(cr, 2, 30, 4, 40, 8, 44);
    cairo_curve_to(cr, 12, 42, 16, 40, 20, 38);
    cairo_close_path(cr);
    Body(cr, flameTip, flame, 30, 44);
    cairo_move_to(cr, 30, 26);  // far wing
    cairo_curve_to(cr, 26, 14, 18, 6, 8, 4);
    cairo_curve_to(cr, 14, 12, 16, 20, 22, 30);
    cairo_close_path(cr);
    Body(cr, flameTip, Shade(flame, 0.8), 4, 30);
    cairo_move_to(cr, 14, 36);  // body
    cairo_curve_to(cr, 20, 24, 38, 20, 48, 24);
    cairo_curve_to(cr, 54, 28, 52, 38, 44, 42);
    cairo_curve_to(cr, 34, 46, 22, 44, 14, 36);
    cairo_close_path(cr);
    Body(cr, p.light, p.dark, 20, 46);
    cairo_move_to(cr, 46, 20);  // head and beak
    cairo_curve_to(cr, 50, 14, 58, 14, 60, 20);
    cairo_line_to(cr, 63, 24);
    cairo_line_to(cr, 56, 26);
    cairo_curve_to(cr, 52, 28, 46, 26, 46, 20);
    cairo_close_path(cr);
    Body(cr, p.light, p.main, 14, 28);
    Eye(cr, 54, 19, 1.8, {255, 240, 160});
    cairo_move_to(cr, 34, 30);  // near wing, swept back
    cairo_curve_to(cr, 30, 18, 24, 10, 12, 12);
    cairo_curve_to(cr, 20, 18, 22, 26, 20, 34);
    cairo_curve_to(cr, 26, 36, 30, 34, 34, 30);
    cairo_close_path(cr);
    Body(cr, flameTip, flame, 12, 36);
    Line(cr, 28, 44, 26, 50, 2.5, ui::kSteelDark);  // legs
    Line(cr, 38, 44, 40, 50, 2.5, ui::kSteelDark);
}

// WASP: an insect walker with a striped abdomen and a long sting.
void Wasp(cairo_t* cr, const PlayerPalette& p) {
    const Rgb stripe{250, 214, 60};
    for (int i = 0; i < 3; ++i) Line(cr, 26 + 8 * i, 34, 20 + 10 * i, 48, 2.2, ui::kSteelDark);  // legs
    cairo_move_to(cr, 4, 30);  // sting
    cairo_line_to(cr, 14, 27);
    cairo_line_to(cr, 14, 33);
    cairo_close_path(cr);
    Flat(cr, ui::kSteelLight);
    cairo_save(cr);  // abdomen
    cairo_translate(cr, 22, 30);
    cairo_scale(cr, 12, 8.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Body(cr, p.light, p.dark, 21, 39);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 14 + 6 * i, 23, 3, 15);
        SetRgb(cr, stripe);
        cairo_fill(cr);
    }
    cairo_save(cr);  // repaint the outline over the stripes
    cairo_translate(cr, 22, 30);
    cairo_scale(cr, 12, 8.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, ui::kInk);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_arc(cr, 40, 30, 6, 0, 2 * M_PI);  // thorax
    Body(cr, p.light, p.dark, 24, 36);
    cairo_arc(cr, 51, 27, 6, 0, 2 * M_PI);  // head
    Body(cr, p.light, p.main, 21, 33);
    Eye(cr, 53, 25, 2.6, {250, 214, 60});
    Line(cr, 54, 22, 60, 12, 1.5, ui::kSteelDark);  // feelers
    Line(cr, 52, 21, 54, 10, 1.5, ui::kSteelDark);
    cairo_move_to(cr, 38, 24);  // wings
    cairo_curve_to(cr, 30, 8, 20, 4, 16, 8);
    cairo_curve_to(cr, 18, 16, 28, 22, 38, 24);
    cairo_close_path(cr);
    Body(cr, {230, 240, 250}, {150, 176, 200}, 4, 24);
    cairo_move_to(cr, 40, 24);
    cairo_curve_to(cr, 40, 10, 34, 2, 28, 4);
    cairo_curve_to(cr, 28, 12, 34, 20, 40, 24);
    cairo_close_path(cr);
    Body(cr, {240, 246, 252}, {170, 190, 210}, 2, 24);
}

// RAPTOR: a two-legged hunter machine with a long tail and open jaws.
void Raptor(cairo_t* cr, const PlayerPalette& p) {
    Line(cr, 30, 34, 24, 48, 4, p.dark);  // far leg
    Line(cr, 24, 48, 20, 48, 3, ui::kSteelDark);
    cairo_move_to(cr, 2, 18);  // tail and body
    cairo_curve_to(cr, 12, 22, 20, 24, 28, 24);
    cairo_curve_to(cr, 36, 20, 42, 20, 46, 22);
    cairo_line_to(cr, 44, 32);
    cairo_curve_to(cr, 38, 38, 28, 38, 22, 32);
    cairo_curve_to(cr, 14, 28, 8, 24, 2, 18);
    cairo_close_path(cr);
    Body(cr, p.light, p.dark, 18, 38);
    cairo_move_to(cr, 42, 22);  // neck and head
    cairo_curve_to(cr, 44, 14, 50, 10, 56, 10);
    cairo_line_to(cr, 63, 13);
    cairo_line_to(cr, 56, 16);
    cairo_line_to(cr, 62, 20);
    cairo_line_to(cr, 52, 20);
    cairo_curve_to(cr, 48, 24, 46, 28, 44, 30);
    cairo_close_path(cr);
    Body(cr, p.light, p.main, 10, 30);
    Eye(cr, 53, 13, 1.6, {255, 90, 60});
    cairo_move_to(cr, 26, 30);  // near thigh
    cairo_curve_to(cr, 24, 38, 30, 42, 36, 38);
    cairo_curve_to(cr, 38, 34, 36, 28, 30, 28);
    cairo_close_path(cr);
    Body(cr, p.main, p.dark, 28, 42);
    Line(cr, 33, 38, 38, 48, 4, p.dark);  // shin
    Line(cr, 36, 48, 44, 48, 3, ui::kSteelDark);  // foot
    Line(cr, 44, 26, 50, 30, 2.2, ui::kSteelDark);  // arm
    Line(cr, 10, 22, 28, 27, 1.2, p.light);  // spine plates
}

// PANTHER: a low four-legged armoured stalker.
void Panther(cairo_t* cr, const PlayerPalette& p) {
    Line(cr, 18, 34, 14, 48, 3.5, p.dark);  // far legs
    Line(cr, 42, 34, 46, 48, 3.5, p.dark);
    cairo_move_to(cr, 10, 26);  // tail
    cairo_curve_to(cr, 2, 24, 2, 14, 8, 10);
    SetRgb(cr, ui::kInk);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    SetRgb(cr, p.main);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 28);  // body
    cairo_curve_to(cr, 12, 20, 30, 18, 46, 22);
    cairo_curve_to(cr, 50, 24, 50, 34, 46, 36);
    cairo_curve_to(cr, 30, 38, 16, 38, 8, 28);
    cairo_close_path(cr);
    Body(cr, p.light, p.dark, 18, 38);
    cairo_move_to(cr, 16, 26);  // armour plates
    cairo_line_to(cr, 40, 24);
    SetRgb(cr, ui::kSteelLight);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_move_to(cr, 44, 22);  // head with ears
    cairo_line_to(cr, 46, 12);
    cairo_line_to(cr, 50, 17);
    cairo_line_to(cr, 54, 12);
    cairo_line_to(cr, 56, 19);
    cairo_curve_to(cr, 62, 22, 62, 28, 58, 30);
    cairo_line_to(cr, 48, 32);
    cairo_close_path(cr);
    Body(cr, p.light, p.main, 12, 32);
    Eye(cr, 54, 22, 1.7, {140, 255, 120});
    Line(cr, 22, 34, 20, 48, 4, p.main);  // near legs
    Line(cr, 38, 34, 40, 48, 4, p.main);
    Line(cr, 18, 48, 23, 48, 3, ui::kSteelDark);
    Line(cr, 38, 48, 43, 48, 3, ui::kSteelDark);
}

// BASE: a domed command post; its middle band stays calm for the health figure.
void Base(cairo_t* cr, const PlayerPalette& p) {
    Line(cr, 32, 14, 32, 3, 1.8, ui::kSteelDark);  // mast and pennant
    cairo_move_to(cr, 33, 3);
    cairo_line_to(cr, 44, 6);
    cairo_line_to(cr, 33, 9);
    cairo_close_path(cr);
    Flat(cr, p.light);
    cairo_arc(cr, 32, 24, 14, M_PI, 2 * M_PI);  // dome
    cairo_close_path(cr);
    Body(cr, p.light, p.dark, 10, 24);
    cairo_move_to(cr, 4, 58);  // walls
    cairo_line_to(cr, 8, 22);
    cairo_line_to(cr, 56, 22);
    cairo_line_to(cr, 60, 58);
    cairo_close_path(cr);
    Body(cr, ui::kSteelLight, ui::kSteelDark, 22, 58);
    cairo_rectangle(cr, 10, 24, 44, 18);  // dark band behind the health figure
    Flat(cr, {44, 50, 62});
    for (int i = 0; i < 4; ++i) {  // crenellations in the player's colour
        cairo_rectangle(cr, 6 + 14 * i, 44, 10, 6);
        Flat(cr, p.main);
    }
    cairo_rectangle(cr, 26, 50, 12, 8);  // gate
    Flat(cr, ui::kSteelDark);
}

// AIR: a jet fighter seen from above, nose to the right.
void Air(cairo_t* cr, const PlayerPalette& p) {
    cairo_move_to(cr, 28, 24);  // wings
    cairo_line_to(cr, 18, 4);
    cairo_line_to(cr, 26, 4);
    cairo_line_to(cr, 42, 24);
    cairo_line_to(cr, 42, 28);
    cairo_line_to(cr, 26, 46);
    cairo_line_to(cr, 18, 46);
    cairo_line_to(cr, 28, 28);
    cairo_close_path(cr);
    Body(cr, p.light, p.dark, 4, 46);
    cairo_move_to(cr, 4, 18);  // tail fins
    cairo_line_to(cr, 10, 18);
    cairo_line_to(cr, 16, 24);
    cairo_line_to(cr, 16, 28);
    cairo_line_to(cr, 10, 34);
    cairo_line_to(cr, 4, 34);
    cairo_line_to(cr, 8, 26);
    cairo_close_path(cr);
    Body(cr, p.main, p.dark, 18, 34);
    cairo_move_to(cr, 6, 23);  // fuselage
    cairo_line_to(cr, 46, 22);
    cairo_curve_to(cr, 56, 22, 62, 25, 63, 26);
    cairo_curve_to(cr, 62, 27, 56, 30, 46, 30);
    cairo_line_to(cr, 6, 29);
    cairo_close_path(cr);
    Body(cr, ui::kSteelLight, ui::kSteel, 22, 30);
    cairo_save(cr);  // canopy
    cairo_translate(cr, 46, 26);
    cairo_scale(cr, 6, 2.4);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Flat(cr, {120, 210, 240});
}

// TANK: tracks, hull in the player's colour, turret and gun to the right.
void Tank(cairo_t* cr, const PlayerPalette& p) {
    RoundedRect(cr, 4, 34, 50, 13, 6.5);  // tracks
    Flat(cr, ui::kSteelDark);
    for (int i = 0; i < 5; ++i) {
        cairo_arc(cr, 11 + 9 * i, 40.5, 3.6, 0, 2 * M_PI);
        Flat(cr, ui::kSteel);
    }
    cairo_move_to(cr, 4, 34);  // hull
    cairo_line_to(cr, 10, 24);
    cairo_line_to(cr, 50, 24);
    cairo_line_to(cr, 56, 34);
    cairo_close_path(cr);
    Body(cr, p.light, p.dark, 24, 34);
    cairo_rectangle(cr, 40, 16, 23, 4);  // gun
    Body(cr, ui::kSteelLight, ui::kSteelDark, 16, 20);
    cairo_move_to(cr, 18, 24);  // turret
    cairo_curve_to(cr, 18, 12, 24, 10, 32, 10);
    cairo_curve_to(cr, 40, 10, 44, 14, 44, 24);
    cairo_close_path(cr);
    Body(cr, p.light, p.main, 10, 24);
    cairo_rectangle(cr, 26, 6, 6, 4);  // hatch
    Flat(cr, ui::kSteel);
}

// ARTILLERY: a long gun on a wheeled carriage, barrel raised to the right.
void Artillery(cairo_t* cr, const PlayerPalette& p) {
    Line(cr, 8, 44, 30, 34, 4, ui::kSteelDark);  // trail
    cairo_save(cr);  // barrel
    cairo_translate(cr, 30, 32);
    cairo_rotate(cr, -0.55);
    cairo_rectangle(cr, -4, -3, 36, 6);
    Body(cr, ui::kSteelLight, ui::kSteelDark, -3, 3);
    cairo_rectangle(cr, 28, -4, 6, 8);
    Flat(cr, ui::kSteel);
    cairo_restore(cr);
    cairo_move_to(cr, 20, 20);  // shield
    cairo_line_to(cr, 36, 16);
    cairo_line_to(cr, 40, 38);
    cairo_line_to(cr, 22, 40);
    cairo_close_path(cr);
    Body(cr, p.light, p.dark, 16, 40);
    cairo_arc(cr, 30, 40, 8, 0, 2 * M_PI);  // wheel
    Flat(cr, ui::kSteelDark);
    cairo_arc(cr, 30, 40, 3.5, 0, 2 * M_PI);
    Flat(cr, p.main);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        Line(cr, 30 + 4 * std::cos(a), 40 + 4 * std::sin(a), 30 + 7 * std::cos(a), 40 + 7 * std::sin(a), 1.2,
             ui::kSteel);
    }
}

}  // namespace

void DrawUnit(cairo_t* cr, int row, const PlayerPalette& p) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (row) {
    case 0: Firebird(cr, p); break;
    case 1: Wasp(cr, p); break;
    case 2: Raptor(cr, p); break;
    case 3: Panther(cr, p); break;
    case sheet::kBaseRow: Base(cr, p); break;
    case sheet::kAirRow: Air(cr, p); break;
    case sheet::kTankRow: Tank(cr, p); break;
    default: Artillery(cr, p); break;
    }
}

void DrawUnitPictures(Image& sheet) {
    for (int row = 0; row < sheet::kUnitRows; ++row)
        for (int colour = 0; colour < kColours; ++colour) {
            Canvas canvas(64, 64);
            DrawUnit(canvas.Cr(), row, PlayerColours(colour));
            const Rect cell = sheet::UnitCell(row, colour);
            PasteKeyed(sheet, canvas, cell.left, cell.top);
        }
}

}  // namespace assetgen
