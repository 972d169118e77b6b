#include "assetgen/panels_art.h"

#include "assetgen/canvas.h"
#include "assetgen/layout.h"
#include "assetgen/palette.h"

namespace assetgen {

namespace {

// The mini-map of the biggest map (63 tiles, offset -4) fills this part of
// the upper panel.
constexpr Rect kMiniMapWell{642, 218, 831, 407};

void Gradient(cairo_t* cr, double y0, double y1, Rgb a, Rgb b) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r / 255.0, a.g / 255.0, a.b / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r / 255.0, b.g / 255.0, b.b / 255.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void Plate(Image& sheet, Rect where, Rgb top, Rgb bottom, Rgb rim) {
    Canvas canvas(where.Width(), where.Height());
    cairo_t* cr = canvas.Cr();
    const double w = where.Width(), h = where.Height();
    cairo_rectangle(cr, 0, 0, w, h);
    SetRgb(cr, ui::kInk);
    cairo_fill(cr);
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    SetRgb(cr, rim);
    cairo_fill(cr);
    cairo_rectangle(cr, 3, 3, w - 6, h - 6);
    Gradient(cr, 3, h - 3, top, bottom);
    cairo_fill(cr);
    cairo_rectangle(cr, 3, 3, w - 6, 1);  // highlight along the top edge
    SetRgb(cr, Shade(top, 1.25));
    cairo_fill(cr);
    PasteOpaque(sheet, canvas, where.left, where.top);
}

}  // namespace

void Well(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    SetRgb(cr, ui::kPanelLight);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, w - 1, h - 1);
    SetRgb(cr, {14, 16, 22});
    cairo_fill(cr);
    cairo_rectangle(cr, x + 1, y + 1, w - 2, h - 2);
    Gradient(cr, y, y + h, {24, 28, 38}, {32, 38, 50});
    cairo_fill(cr);
}

void MetalPlate(cairo_t* cr, double x, double y, double w, double h) {
    cairo_rectangle(cr, x, y, w, h);
    Gradient(cr, y, y + h, {58, 68, 86}, {36, 42, 56});
    cairo_fill(cr);
    for (int i = 0; i * 3 < h; ++i) {  // faint brushed lines
        cairo_rectangle(cr, x, y + i * 3, w, 1);
        cairo_set_source_rgba(cr, 1, 1, 1, (i * 7 % 5) * 0.006);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    SetRgb(cr, ui::kPanelLight);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void DrawButtonPlates(Image& sheet) {
    Plate(sheet, sheet::kButtonPlate, {64, 92, 130}, {30, 44, 70}, {110, 128, 150});
    Plate(sheet, sheet::kButtonPlateLit, {96, 140, 180}, {44, 76, 112}, ui::kGold);
}

void DrawPopupBox(Image& sheet) {
    const Rect r = sheet::kPopupBox;
    Canvas canvas(r.Width(), r.Height());
    cairo_t* cr = canvas.Cr();
    const double w = r.Width(), h = r.Height();
    cairo_rectangle(cr, 0, 0, w, h);
    SetRgb(cr, ui::kInk);
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 2, w - 4, h - 4);
    SetRgb(cr, ui::kGold);
    cairo_fill(cr);
    MetalPlate(cr, 4, 4, w - 8, h - 8);
    Well(cr, 10, 6, w - 20, 38);    // the prompt line
    Well(cr, 10, 90, w - 20, 36);   // the hint line
    for (double x : {20.0, w - 28}) {  // rivets
        for (double y : {62.0, 72.0}) {
            cairo_arc(cr, x + 4, y, 2.5, 0, 6.3);
            SetRgb(cr, ui::kSteelLight);
            cairo_fill(cr);
        }
    }
    PasteOpaque(sheet, canvas, r.left, r.top);
}

void DrawSidePanels(Image& sheet) {
    {
        const Rect r = sheet::kUpperPanel;
        Canvas canvas(r.Width(), r.Height());
        cairo_t* cr = canvas.Cr();
        MetalPlate(cr, 0, 0, r.Width(), r.Height());
        // The well around the mini-map, big enough for the largest map.
        const Rect m = kMiniMapWell;
        Well(cr, m.left - r.left - 1, m.top - r.top - 1, m.Width() + 2, m.Height() + 2);
        cairo_rectangle(cr, 0, 0, 2, r.Height());  // edge against the map
        SetRgb(cr, ui::kGold);
        cairo_fill(cr);
        PasteOpaque(sheet, canvas, r.left, r.top);
    }
    {
        const Rect r = sheet::kLowerPanel;
        Canvas canvas(r.Width(), r.Height());
        cairo_t* cr = canvas.Cr();
        MetalPlate(cr, 0, 0, r.Width(), r.Height());
        // Screen y of each section minus 251, where the panel is drawn.
        Well(cr, 3, 1, 187, 33);     // energy
        Well(cr, 3, 35, 187, 43);    // selected unit
        Well(cr, 3, 105, 187, 166);  // unit types or unit cost
        Well(cr, 3, 273, 187, 92);   // colour box
        Well(cr, 3, 395, 187, 66);   // score box
        cairo_move_to(cr, 24, 4);    // energy bolt
        cairo_line_to(cr, 12, 19);
        cairo_line_to(cr, 19, 19);
        cairo_line_to(cr, 14, 31);
        cairo_line_to(cr, 28, 14);
        cairo_line_to(cr, 21, 14);
        cairo_line_to(cr, 27, 4);
        cairo_close_path(cr);
        SetRgb(cr, ui::kGold);
        cairo_fill(cr);
        cairo_rectangle(cr, 0, 0, 2, r.Height());
        SetRgb(cr, ui::kGold);
        cairo_fill(cr);
        PasteOpaque(sheet, canvas, r.left, r.top);
    }
}

// Colour-box swatches are deep so the player's details stay legible on them;
// score swatches are a touch brighter, and their top-left 3 x 3 is the unit dot.
void DrawSwatches(Image& sheet) {
    for (int c = 0; c < kColours; ++c) {
        const PlayerPalette p = PlayerColours(c);
        const Rect box = sheet::ColourSwatch(c), score = sheet::ColourSwatchLower(c);
        sheet.Fill(box.left, box.top, box.right, box.bottom, p.dark);
        sheet.Fill(score.left, score.top, score.right, score.bottom, p.swatch);
        sheet.Fill(score.left, score.top, score.left + 3, score.top + 3, p.dot);
    }
}

}  // namespace assetgen
