#include "ui/popup.h"

#include <filesystem>

#include "display_fixture.h"
#include "platform/bmp_writer.h"
#include "ui/popup_entry.h"

namespace {

class PopupTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        popupBox = PopupBox{};
        popupBox.prompt = "ENTER VICTORY TURN";
        popupBox.text = "25";
        popupBox.hint = "(10 TO 100)";
        popupBox.inputShown = 1;
        popupBox.maxLength = 3;
    }
    // One key per frame, as a player types.
    void TypeSlowly(std::string_view keys, int firstFrame = 1) {
        int frame = firstFrame;
        for (char c : keys) fake.Type(std::string(1, c), frame++);
    }
};

// The typing rules are tried in popup_entry_test; here keys come through the frame loop.
// Keys and clicks from before the box opened are not taken.
TEST_F(PopupTest, TypedTextStopsAtTheLongestAnswerAndEnterConfirms) {
    input.keyPressed = 1;
    input.typedChar = 27;
    input.clickPending = 1;
    input.clickX = 300;
    input.clickY = 440;
    TypeSlowly("1\b2a\r");
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(popupBox.text, "252");
    EXPECT_EQ(fake.sounds, (std::vector<std::string>{"Sounds\\Button-Click.wav"}));
}

// The buttons sit on the box, cancel left and OK right; a click beside them is dropped.
TEST_F(PopupTest, TheButtonsSitOnTheBox) {
    fake.Click(100, 100, 1);
    fake.Click(300, 440, 2);
    EXPECT_EQ(popupBox.RunPopup(), kCancelled);
    fake.Click(700, 440, fake.Frames() + 1);
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
}

// Even after the window was minimised and restored, with every picture lost.
TEST_F(PopupTest, TheBoxIsDrawnOverAFrozenCopyOfTheScreen) {
    std::filesystem::create_directories("Images");  // the sheet to reload
    ASSERT_TRUE(WriteBmpFile("Images/Sprites.bmp", Sheet()->Pixels(), 1024, 768, Sheet()->Pitch()));
    FillBack(kBackground);
    display.Present();
    fake.Minimise(1);
    fake.Restore(2);
    TypeSlowly("\r", 4);
    ASSERT_EQ(popupBox.RunPopup(), kConfirmed);
    // The box from 232, 296 to 792, 472; the entry field of a three-character
    // box 48 pixels wide, centred, black.
    const std::pair<Point, uint32_t> expected[] = {{{10, 10}, kBackground}, {{233, 297}, kBoxColour},
                                                   {{791, 471}, kBoxColour}, {{792, 471}, kBackground},
                                                   {{488, 379}, 0},          {{487, 379}, kBoxColour},
                                                   {{535, 379}, 0},          {{536, 379}, kBoxColour}};
    for (const auto& [p, colour] : expected) EXPECT_EQ(fake.Fake()->PixelAt(p.x, p.y), colour) << p.x << "," << p.y;
}

TEST_F(PopupTest, APasswordShowsOneStarACharacter) {
    popupBox.text.clear();
    popupBox.maxLength = 8;
    popupBox.masked = 1;
    TypeSlowly("ab");
    TypeSlowly("\r", 5);
    fake.At(4, [&](FakePlatform& p) {
        const int left = CentredTextX("**") + 1;  // two glyphs centred on the entry line
        for (int x : {left, left + 16}) EXPECT_EQ(p.Fake()->PixelAt(x, 296 + 53), GlyphColour(kLargeFont, '*' - 32)) << x;
    });
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(popupBox.text, "AB");
}

TEST_F(PopupTest, ASheetThatCannotBeReloadedEndsTheBoxFatally) {
    fake.Minimise(1);
    fake.Restore(2);
    EXPECT_EQ(popupBox.RunPopup(), kFatal);
}

}  // namespace
