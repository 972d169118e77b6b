#include "ui/button_table.h"
#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
