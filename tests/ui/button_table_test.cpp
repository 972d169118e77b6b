#include "ui/button_table.h"
#include "ui/text_layout.h"

#include <gtest/gtest.h>


namespace {

class ButtonTableTest : public ::testing::Test {
protected:
    void SetUp() override { InitButtons(table); }
    ButtonTable table;
};

TEST_F(ButtonTableTest, EveryButtonStartsActiveAndTheIconButtonsCarryTheirOffset) {
    for (int id = 0; id < kButtonCount; ++id) {
        EXPECT_EQ(table[id].state, kButtonActive) << id;
        const bool icon = id >= 49;
        EXPECT_EQ(table[id].hasIcon, icon ? 1 : 0) << id;
        if (icon) {
            EXPECT_EQ(table[id].iconDx, 13);
            EXPECT_EQ(table[id].iconDy, 8);
        }
    }
    EXPECT_EQ(table[49].rect, table[50].rect);
}

TEST_F(ButtonTableTest, MainMenuButtonsStackDownTheMiddleAndOnlyTheContinueButtonIsSmall) {
    for (int id = 36; id <= 42; ++id) {
        const Rect& r = table[id].rect;
        EXPECT_EQ(r.left, 368);
        EXPECT_EQ(r.right, 656);
        EXPECT_EQ(r.bottom - r.top, 30);
        EXPECT_EQ(table[id].fontSize, id == 41 ? kSmallFont : kLargeFont) << id;
    }
    EXPECT_EQ(table[36].rect.top, 300);
    EXPECT_EQ(table[42].rect, (Rect{368, 510, 656, 540}));
    EXPECT_EQ(table[42].label, "EXIT GAME");
    EXPECT_EQ(table[41].label, "");
}

TEST_F(ButtonTableTest, SetupSeatRowsAreFortyEightPixelsApart) {
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(table[11 + k].rect, (Rect{16, 128 + 48 * k, 176, 160 + 48 * k}));
        EXPECT_EQ(table[15 + k].rect.left, 544);
        EXPECT_EQ(table[19 + k].rect.right, 352);
        EXPECT_EQ(table[32 + k].rect, (Rect{896, 128 + 48 * k, 946, 160 + 48 * k}));
    }
    EXPECT_EQ(table[28].label, "FIREBIRD");
    EXPECT_EQ(table[31].label, "PANTHER");
    EXPECT_EQ(table[35].label, "4");
    EXPECT_EQ(table[23].label, "PASSWORD DISABLED");
}

TEST_F(ButtonTableTest, TurnPanelButtonsUseTheSmallFont) {
    for (int id = 43; id <= 48; ++id) EXPECT_EQ(table[id].fontSize, kSmallFont) << id;
    EXPECT_EQ(table[44].label, "QUIT TO MAIN MENU");
    EXPECT_EQ(table[48].rect, (Rect{835, 741, 1022, 765}));
}

TEST_F(ButtonTableTest, InitButtonsUndoesWhatScreensChanged) {
    table[5].label = "CHANGED";
    table[5].state = kButtonHidden;
    table[0].rect = {1, 2, 3, 4};
    table[3].hasIcon = 1;
    InitButtons(table);
    EXPECT_EQ(table[5].label, "CONQUER");
    EXPECT_EQ(table[5].state, kButtonActive);
    EXPECT_EQ(table[0].rect, Rect{});
    EXPECT_EQ(table[3].hasIcon, 0);
}

TEST(LabelOrigin, TwoLargeLettersOnAWideButtonSitCentred) {
    Button b;
    b.rect = {392, 728, 632, 760};  // 240 by 32
    b.label = "OK";
    EXPECT_EQ(LabelOrigin(b), (Point{392 + 104, 728}));
    b.fontSize = kSmallFont;
    EXPECT_EQ(LabelOrigin(b), (Point{392 + 112, 728 + 8}));
}

TEST(LabelOrigin, AWideLabelStartsLeftOfTheButtonWithTruncationTowardZero) {
    Button b;
    b.rect = {100, 0, 151, 33};  // 51 by 33
    b.label = "ABCD";            // 64 wide: (51 - 64) / 2 is -6, not -7
    EXPECT_EQ(LabelOrigin(b), (Point{94, 0}));
}

TEST(PointInRect, RightAndBottomEdgesAreOutside) {
    const Rect r{10, 20, 30, 40};
    EXPECT_TRUE(PointInRect(r, 10, 20));
    EXPECT_TRUE(PointInRect(r, 29, 39));
    EXPECT_FALSE(PointInRect(r, 30, 39));
    EXPECT_FALSE(PointInRect(r, 29, 40));
    EXPECT_FALSE(PointInRect(r, -1, -1));
}

}  // namespace
