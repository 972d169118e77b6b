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

TEST_F(DrawTextTest, SmallLettersLandOneCellApart) {
    DrawText(100, 200, "AB", kSmallFont);
    EXPECT_EQ(BackPixel(101, 201), GlyphColour(kSmallFont, 33));
    EXPECT_EQ(BackPixel(107, 215), GlyphColour(kSmallFont, 33));
    EXPECT_EQ(BackPixel(109, 201), GlyphColour(kSmallFont, 34));
    EXPECT_EQ(BackPixel(115, 215), GlyphColour(kSmallFont, 34));
    // The glyphs' black corners are transparent; nothing spills below or right.
    EXPECT_EQ(BackPixel(100, 200), kBackground);
    EXPECT_EQ(BackPixel(108, 200), kBackground);
    EXPECT_EQ(BackPixel(101, 216), kBackground);
    EXPECT_EQ(BackPixel(116, 201), kBackground);
}

TEST_F(DrawTextTest, ATabAndALowerCaseLetterLeaveBlankCells) {
    DrawText(0, 0, "A\tBc!", kLargeFont);
    EXPECT_EQ(BackPixel(5, 5), GlyphColour(kLargeFont, 33));
    EXPECT_EQ(BackPixel(16 + 5, 5), kBackground);
    EXPECT_EQ(BackPixel(32 + 5, 5), GlyphColour(kLargeFont, 34));
    EXPECT_EQ(BackPixel(48 + 5, 5), kBackground);
    EXPECT_EQ(BackPixel(64 + 5, 5), GlyphColour(kLargeFont, 1));
}

TEST_F(DrawTextTest, CellsOffTheScreenAreDroppedAndTheRestOfTheLineIsDrawn) {
    DrawText(-16, 100, "XY", kLargeFont);
    EXPECT_EQ(BackPixel(5, 105), GlyphColour(kLargeFont, 'Y' - 32));
    DrawText(1016, 300, "Q", kSmallFont);
    EXPECT_EQ(BackPixel(1017, 301), GlyphColour(kSmallFont, 'Q' - 32));
    DrawText(1020, 400, "Q", kSmallFont);  // would reach past the right edge
    EXPECT_EQ(BackPixel(1021, 401), kBackground);
}

}  // namespace
