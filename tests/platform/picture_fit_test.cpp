// The picture in windows of any shape, and clicks mapped back into it.
#include <gtest/gtest.h>

#include "platform/picture_fit.h"

namespace {

TEST(PictureFit, ThePictureKeepsItsShapeCentredBetweenBars) {
    struct Case {
        int windowWidth, windowHeight, x, y, width, height;
    };
    const Case cases[] = {
        {1920, 1080, 240, 0, 1440, 1080},  // bars left and right
        {1024, 1000, 0, 116, 1024, 768},   // bars above and below
        {2048, 1536, 0, 0, 2048, 1536},    // exactly twice the size
        {0, 0, 0, 0, 1024, 768},           // a window of no size keeps the picture's
    };
    for (const Case& c : cases) {
        const PictureViewport v = FitPicture(c.windowWidth, c.windowHeight);
        EXPECT_EQ((Point{v.x, v.y}), (Point{c.x, c.y})) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ((Point{v.width, v.height}), (Point{c.width, c.height})) << c.windowWidth << "x" << c.windowHeight;
    }
}

TEST(PictureFit, WindowPositionsMapBackToPicturePixelsAndBarsAreOutside) {
    const PictureViewport v = FitPicture(1920, 1080);  // scale 1.40625
    Point p;
    ASSERT_TRUE(WindowToPicture(v, 240, 0, p));
    EXPECT_EQ(p, (Point{0, 0}));
    ASSERT_TRUE(WindowToPicture(v, 240 + 1439, 1079, p));
    EXPECT_EQ(p, (Point{1023, 767}));
    ASSERT_TRUE(WindowToPicture(v, 240 + 720, 540, p));
    EXPECT_EQ(p, (Point{512, 384}));
    // On the bars: outside, but kept at the picture's edge.
    EXPECT_FALSE(WindowToPicture(v, 10, 500, p));
    EXPECT_EQ(p.x, 0);
    EXPECT_FALSE(WindowToPicture(v, 1900, 500, p));
    EXPECT_EQ(p.x, 1023);
    EXPECT_FALSE(WindowToPicture(v, 240 + 1440, 0, p)) << "one past the last column";
}

}  // namespace
