#include "ui/text.h"

#include "toolkit_fixture.h"

namespace {

class DrawTextTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        FillBack(kBackground);
    }
};

// The glyphs' black corners are transparent; nothing spills below or right.
TEST_F(DrawTextTest, SmallLettersLandOneCellApart) {
    DrawText(100, 200, "AB", kSmallFont);
    const std::pair<Point, uint32_t> expected[] = {
        {{101, 201}, GlyphColour(kSmallFont, 33)}, {{107, 215}, GlyphColour(kSmallFont, 33)},
        {{109, 201}, GlyphColour(kSmallFont, 34)}, {{115, 215}, GlyphColour(kSmallFont, 34)},
        {{100, 200}, kBackground}, {{108, 200}, kBackground}, {{101, 216}, kBackground}, {{116, 201}, kBackground},
    };
    for (const auto& [p, colour] : expected) EXPECT_EQ(BackPixel(p.x, p.y), colour) << p.x << "," << p.y;
}

TEST_F(DrawTextTest, ATabAndALowerCaseLetterLeaveBlankCells) {
    DrawText(0, 0, "A\tBc!", kLargeFont);
    const uint32_t expected[] = {GlyphColour(kLargeFont, 33), kBackground, GlyphColour(kLargeFont, 34), kBackground,
                                 GlyphColour(kLargeFont, 1)};
    for (int cell = 0; cell < 5; ++cell) EXPECT_EQ(BackPixel(16 * cell + 5, 5), expected[cell]) << cell;
}

TEST_F(DrawTextTest, CellsOffTheScreenAreDroppedAndTheRestOfTheLineIsDrawn) {
    DrawText(-16, 100, "XY", kLargeFont);
    EXPECT_EQ(BackPixel(5, 105), GlyphColour(kLargeFont, 'Y' - 32));
    DrawText(1016, 300, "Q", kSmallFont);
    EXPECT_EQ(BackPixel(1017, 301), GlyphColour(kSmallFont, 'Q' - 32));
    DrawText(1017, 400, "Q", kSmallFont);  // one pixel past the right edge
    EXPECT_EQ(BackPixel(1018, 401), kBackground);
}

}  // namespace
