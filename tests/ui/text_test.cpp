#include "ui/text.h"

#include "display_fixture.h"

namespace {

using DrawTextTest = ToolkitTest;

// Letters land one cell apart with their black corners transparent and
// nothing spilling below or right; a tab and a lower-case letter leave blank
// cells; cells off the screen are dropped and the rest of the line drawn.
TEST_F(DrawTextTest, GlyphsLandCellByCell) {
    struct Case { int x, y; const char* text; int font; Point probe; uint32_t colour; };
    const uint32_t a = GlyphColour(kSmallFont, 'A' - 32), b = GlyphColour(kSmallFont, 'B' - 32);
    const Case cases[] = {
        {100, 200, "AB", kSmallFont, {101, 201}, a}, {100, 200, "AB", kSmallFont, {107, 215}, a},
        {100, 200, "AB", kSmallFont, {109, 201}, b}, {100, 200, "AB", kSmallFont, {115, 215}, b},
        {100, 200, "AB", kSmallFont, {100, 200}, kBackground}, {100, 200, "AB", kSmallFont, {108, 200}, kBackground},
        {100, 200, "AB", kSmallFont, {101, 216}, kBackground}, {100, 200, "AB", kSmallFont, {116, 201}, kBackground},
        {0, 0, "A\tBc!", kLargeFont, {21, 5}, kBackground}, {0, 0, "A\tBc!", kLargeFont, {37, 5}, GlyphColour(kLargeFont, 'B' - 32)},
        {0, 0, "A\tBc!", kLargeFont, {53, 5}, kBackground}, {0, 0, "A\tBc!", kLargeFont, {69, 5}, GlyphColour(kLargeFont, '!' - 32)},
        {-16, 100, "XY", kLargeFont, {5, 105}, GlyphColour(kLargeFont, 'Y' - 32)},
        {1016, 300, "Q", kSmallFont, {1017, 301}, GlyphColour(kSmallFont, 'Q' - 32)},
        {1017, 400, "Q", kSmallFont, {1018, 401}, kBackground},  // one pixel past the right edge
    };
    for (const Case& c : cases) {
        FillBack(kBackground);
        DrawText(c.x, c.y, c.text, c.font);
        EXPECT_EQ(BackPixel(c.probe.x, c.probe.y), c.colour) << c.text << " at " << c.probe.x << "," << c.probe.y;
    }
}

}  // namespace
