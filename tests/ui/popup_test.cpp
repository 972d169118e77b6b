#include "ui/popup.h"

#include "toolkit_fixture.h"
#include "ui/images.h"
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

// The typing rules themselves are tried in popup_entry_test; here the keys
// come through the frame loop.
TEST_F(PopupTest, TypedTextStopsAtTheLongestAnswerAndEnterConfirms) {
    TypeSlowly("1\b2a\r");
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(popupBox.text, "252");
    ASSERT_FALSE(fake.sounds.empty());
    EXPECT_EQ(fake.sounds.back(), "Sounds\\Button-Click.wav");
}

TEST_F(PopupTest, EscapeCancelsAndEnterOnAnEmptyFieldStillConfirms) {
    TypeSlowly("\x1b");
    EXPECT_EQ(popupBox.RunPopup(), kCancelled);
    popupBox.text.clear();
    TypeSlowly("\r", fake.Frames() + 1);
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(popupBox.text, "");
}

TEST_F(PopupTest, TheButtonsSitOnTheBoxAndAMissedClickIsDropped) {
    fake.Click(100, 100, 1);
    fake.Click(300, 440, 2);
    EXPECT_EQ(popupBox.RunPopup(), kCancelled);
    fake.Click(700, 440, fake.Frames() + 1);
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
}

TEST_F(PopupTest, ANoticeTakesNoTypingAndAHiddenCancelTakesNoClick) {
    popupBox.inputShown = 0;
    popupBox.text = "WINNER";
    buttonTable[kPopupCancelButton].state = kButtonHidden;
    fake.Click(300, 440, 1);
    TypeSlowly("ab\b\r", 2);
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(popupBox.text, "WINNER");
}

TEST_F(PopupTest, KeysAndClicksFromBeforeTheBoxOpenedAreNotTaken) {
    input.keyPressed = 1;
    input.typedChar = 27;
    input.clickPending = 1;
    input.clickX = 300;
    input.clickY = 440;
    TypeSlowly("7\r");
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(popupBox.text, "257");
}

TEST_F(PopupTest, TheBoxIsDrawnOverAFrozenCopyOfTheScreen) {
    FillBack(kBackground);
    display.Present();
    TypeSlowly("\r", 2);
    ASSERT_EQ(popupBox.RunPopup(), kConfirmed);
    const FakeWindow& shown = *fake.Fake();
    EXPECT_EQ(shown.PixelAt(10, 10), kBackground);
    EXPECT_EQ(shown.PixelAt(233, 297), kBoxColour);
    EXPECT_EQ(shown.PixelAt(791, 471), kBoxColour);
    EXPECT_EQ(shown.PixelAt(792, 471), kBackground);
    // The entry field of a three-character box: 48 pixels, centred, black.
    EXPECT_EQ(shown.PixelAt(488, 379), 0u);
    EXPECT_EQ(shown.PixelAt(487, 379), kBoxColour);
    EXPECT_EQ(shown.PixelAt(536, 379), kBoxColour);
}

TEST_F(PopupTest, AfterMinimisingTheBoxGoesOnOverThePictureItOpenedOver) {
    WriteSheetFile();
    FillBack(kBackground);
    display.Present();
    fake.Minimise(1);
    fake.Restore(2);
    TypeSlowly("\r", 4);
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(fake.Fake()->PixelAt(233, 297), kBoxColour);
    EXPECT_EQ(fake.Fake()->PixelAt(10, 10), kBackground);
}

TEST_F(PopupTest, APasswordShowsOneStarACharacter) {
    popupBox.text.clear();
    popupBox.maxLength = 8;
    popupBox.masked = 1;
    TypeSlowly("ab", 1);
    fake.At(4, [&](FakePlatform& p) {
        // Two glyphs centred on the entry line, both the star's.
        const int left = CentredTextX("**") + 1;
        EXPECT_EQ(p.Fake()->PixelAt(left, 296 + 53), GlyphColour(kLargeFont, '*' - 32));
        EXPECT_EQ(p.Fake()->PixelAt(left + 16, 296 + 53), GlyphColour(kLargeFont, '*' - 32));
    });
    TypeSlowly("\r", 5);
    EXPECT_EQ(popupBox.RunPopup(), kConfirmed);
    EXPECT_EQ(popupBox.text, "AB");
}

TEST_F(PopupTest, ASheetThatCannotBeReloadedEndsTheBoxFatally) {
    fake.Minimise(1);
    fake.Restore(2);
    EXPECT_EQ(popupBox.RunPopup(), kFatal);
    EXPECT_NE(ReadLog().find("LoadBitmap(\"Images\\Sprites.bmp\")\n*** FAILED ***\n"), std::string::npos);
}

TEST_F(PopupTest, ClosingTheWindowEndsTheBoxFatally) {
    fake.Close(1);
    EXPECT_EQ(popupBox.RunPopup(), kFatal);
}

}  // namespace
