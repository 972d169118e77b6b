#include "ui/button_table.h"
#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonTable, InitButtonsUndoesWhatScreensChanged) {
    ButtonTable table;
    InitButtons(table);
    table[kConquerButton].label = "CHANGED";
    table[kConquerButton].state = kButtonHidden;
    table[kPopupCancelButton].rect = {1, 2, 3, 4};
    table[kLaunchSavedGameButton].hasIcon = 1;
    InitButtons(table);
    EXPECT_EQ(table[kConquerButton].label, "CONQUER");
    EXPECT_EQ(table[kConquerButton].state, kButtonActive);
    EXPECT_EQ(table[kPopupCancelButton].rect, Rect{});
    EXPECT_EQ(table[kLaunchSavedGameButton].hasIcon, 0);
}

// Large labels are centred through the fake in buttons_test.cpp.
TEST(LabelOrigin, SmallLabelsSitMidHeightAndWideOnesTruncateTowardZero) {
    Button b;
    b.rect = {392, 728, 632, 760};  // 240 by 32
    b.label = "OK";
    b.fontSize = kSmallFont;
    EXPECT_EQ(LabelOrigin(b), (Point{392 + 112, 728 + 8}));
    b.rect = {100, 0, 151, 33};  // 51 by 33
    b.label = "ABCD";            // 64 wide: (51 - 64) / 2 is -6, not -7
    b.fontSize = kLargeFont;
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
