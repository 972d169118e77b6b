#include "ui/buttons.h"

#include "toolkit_fixture.h"

namespace {

class ButtonsTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        FillBack(kBackground);
        button.rect = {400, 100, 640, 132};
        button.label = "OK";
    }
    Button button;
};

TEST_F(ButtonsTest, AnActiveButtonLightsUpUnderTheCursor) {
    fake.SetCursor(10, 10);
    DrawButton(button);
    EXPECT_EQ(BackPixel(400, 100), kPlateColour);
    EXPECT_EQ(BackPixel(639, 131), kPlateColour);
    EXPECT_EQ(BackPixel(640, 131), kBackground);
    fake.SetCursor(639, 131);
    DrawButton(button);
    EXPECT_EQ(BackPixel(400, 100), kLitPlateColour);
    fake.SetCursor(640, 131);  // the right edge is outside
    DrawButton(button);
    EXPECT_EQ(BackPixel(400, 100), kPlateColour);
}

TEST_F(ButtonsTest, TheLabelIsCentredOnThePlate) {
    fake.SetCursor(0, 0);
    DrawButton(button);
    // "OK" in the large font on a 240 by 32 button: 104 pixels in, flush with the top.
    EXPECT_EQ(BackPixel(504 + 1, 101), GlyphColour(kLargeFont, 'O' - 32));
    EXPECT_EQ(BackPixel(520 + 1, 101), GlyphColour(kLargeFont, 'K' - 32));
    EXPECT_EQ(BackPixel(503, 101), kPlateColour);
    EXPECT_EQ(BackPixel(504, 100), kPlateColour);  // the glyph's corner is see-through
}

TEST_F(ButtonsTest, TextOnlyAndHiddenButtonsDrawNoPlate) {
    button.state = kButtonTextOnly;
    DrawButton(button);
    EXPECT_EQ(BackPixel(400, 100), kBackground);
    EXPECT_EQ(BackPixel(505, 101), GlyphColour(kLargeFont, 'O' - 32));
    FillBack(kBackground);
    button.state = kButtonHidden;
    DrawButton(button);
    EXPECT_EQ(BackPixel(505, 101), kBackground);
}

TEST_F(ButtonsTest, AnIconIsCopiedWithItsOffsetAndColourKey) {
    const Rect unit = sheet::UnitPicture(kTank, 0, 2);
    FillRect(Sheet(), unit, 0x0000C0);
    FillRect(Sheet(), {unit.left, unit.top, unit.left + 4, unit.top + 4}, 0);
    button = buttonTable[kTankIconButton];
    button.iconRect = unit;
    fake.SetCursor(0, 0);
    DrawButton(button);
    const int x = button.rect.left + 13, y = button.rect.top + 8;
    EXPECT_EQ(BackPixel(x + 5, y + 5), 0x0000C0u);
    EXPECT_EQ(BackPixel(x + 63, y + 63), 0x0000C0u);
    EXPECT_EQ(BackPixel(x + 1, y + 1), kPlateColour);
}

TEST_F(ButtonsTest, AClickIsTakenOnceAndOnlyByAnActiveButton) {
    input.clickX = 500;
    input.clickY = 110;
    button.state = kButtonTextOnly;
    EXPECT_FALSE(ClickButton(button));
    EXPECT_TRUE(fake.sounds.empty());
    button.state = kButtonActive;
    EXPECT_TRUE(ClickButton(button));
    EXPECT_EQ(input.clickX, -1);
    EXPECT_EQ(input.clickY, -1);
    EXPECT_FALSE(ClickButton(button));
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0], "Sounds\\Button-Click.wav");
}

TEST_F(ButtonsTest, OfTwoButtonsOnOneSpotTheLowerIdTakesTheClick) {
    input.clickX = 850;
    input.clickY = 400;
    int taker = -1;
    for (int id = kFirstTurnButton; id <= kLastTurnButton && taker < 0; ++id) {
        if (ClickButton(buttonTable[id])) taker = id;
    }
    EXPECT_EQ(taker, kStandardIconButton);
    EXPECT_FALSE(ClickButton(buttonTable[kBaseIconButton]));
}

}  // namespace
