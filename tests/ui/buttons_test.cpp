#include "ui/buttons.h"

#include "display_fixture.h"

namespace {

class ButtonsTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        FillBack(kBackground);
        fake.SetCursor(0, 0);
        button.rect = {400, 100, 640, 132};
        button.label = "OK";
    }
    Button button;
};

// The right and bottom edges are outside the button.
TEST_F(ButtonsTest, AnActiveButtonLightsUpUnderTheCursor) {
    const std::pair<Point, bool> cases[] = {{{400, 100}, true},  {{639, 131}, true},  {{399, 100}, false},
                                            {{400, 99}, false},  {{640, 131}, false}, {{639, 132}, false}};
    for (const auto& [cursor, lit] : cases) {
        fake.SetCursor(cursor.x, cursor.y);
        DrawButton(button);
        EXPECT_EQ(BackPixel(401, 101), lit ? kLitPlateColour : kPlateColour) << cursor.x << "," << cursor.y;
    }
    EXPECT_EQ(BackPixel(640, 131), kBackground);
}

// "OK" in the large font on a 240 by 32 button: 104 pixels in, flush with
// the top; without its plate when text only, not at all when hidden.
TEST_F(ButtonsTest, TheLabelIsCentredOnThePlateOrAloneOrHidden) {
    const uint32_t o = GlyphColour(kLargeFont, 'O' - 32), k = GlyphColour(kLargeFont, 'K' - 32);
    const std::tuple<ButtonState, uint32_t, uint32_t, uint32_t> cases[] = {
        {kButtonActive, kPlateColour, o, k}, {kButtonTextOnly, kBackground, o, k}, {kButtonHidden, kBackground, kBackground, kBackground}};
    for (const auto& [state, plate, left, right] : cases) {
        FillBack(kBackground);
        button.state = state;
        DrawButton(button);
        EXPECT_EQ(BackPixel(503, 101), plate) << state;
        EXPECT_EQ(BackPixel(504 + 1, 101), left) << state;
        EXPECT_EQ(BackPixel(520 + 1, 101), right) << state;
    }
}

TEST_F(ButtonsTest, AnIconIsCopiedAtItsOffsetWithTheColourKey) {
    const Rect unit = sheet::UnitCell(sheet::kTankRow, 2);
    FillRect(Sheet(), unit, 0x0000C0);
    FillRect(Sheet(), {unit.left, unit.top, unit.left + 4, unit.top + 4}, 0);
    button = buttonTable[kTankIconButton];
    button.iconRect = unit;
    DrawButton(button);
    const int x = button.rect.left + button.iconDx, y = button.rect.top + button.iconDy;
    EXPECT_EQ(BackPixel(x + 4, y + 4), 0x0000C0u);
    EXPECT_EQ(BackPixel(x + 63, y + 63), 0x0000C0u);
    EXPECT_EQ(BackPixel(x + 3, y + 3), kPlateColour);
}

TEST_F(ButtonsTest, AClickIsTakenOnceAndOnlyByAnActiveButton) {
    input.clickX = 500;
    input.clickY = 110;
    button.state = kButtonTextOnly;
    EXPECT_FALSE(ClickButton(button));
    button.state = kButtonActive;
    EXPECT_TRUE(ClickButton(button));
    EXPECT_FALSE(ClickButton(button));
    EXPECT_EQ(fake.sounds, (std::vector<std::string>{"Sounds\\Button-Click.wav"}));
}

}  // namespace
