// The picture in windows of any shape, and clicks mapped back into it.
#include <gtest/gtest.h>

#include "platform/picture_fit.h"

namespace {

TEST(PictureFit, WideScreenGetsBarsLeftAndRight) {
    const PictureViewport v = FitPicture(1920, 1080);
    EXPECT_EQ(v.height, 1080);
    EXPECT_EQ(v.width, 1440);
    EXPECT_EQ(v.x, 240);
    EXPECT_EQ(v.y, 0);
}

TEST(PictureFit, TallWindowGetsBarsAboveAndBelow) {
    const PictureViewport v = FitPicture(1024, 1000);
    EXPECT_EQ(v.width, 1024);
    EXPECT_EQ(v.height, 768);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 116);
}

TEST(PictureFit, ExactSizeFillsTheWindow) {
    const PictureViewport v = FitPicture(2048, 1536);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.width, 2048);
    EXPECT_EQ(v.height, 1536);
}

TEST(PictureFit, WindowPositionsMapBackToPicturePixels) {
    const PictureViewport v = FitPicture(1920, 1080);  // scale 1.40625
    Point p;
    ASSERT_TRUE(WindowToPicture(v, 240, 0, p));
    EXPECT_EQ(p, (Point{0, 0}));
    ASSERT_TRUE(WindowToPicture(v, 240 + 1439, 1079, p));
    EXPECT_EQ(p, (Point{1023, 767}));
    ASSERT_TRUE(WindowToPicture(v, 240 + 720, 540, p));
    EXPECT_EQ(p, (Point{512, 384}));
}

TEST(PictureFit, PositionsOnTheBarsAreOutsideButKeptAtTheEdge) {
    const PictureViewport v = FitPicture(1920, 1080);
    Point p;
    EXPECT_FALSE(WindowToPicture(v, 10, 500, p));
    EXPECT_EQ(p.x, 0);
    EXPECT_FALSE(WindowToPicture(v, 1900, 500, p));
    EXPECT_EQ(p.x, 1023);
    EXPECT_FALSE(WindowToPicture(v, 240 + 1440, 0, p)) << "one past the last column";
}

TEST(PictureFit, DegenerateWindowKeepsThePictureSize) {
    const PictureViewport v = FitPicture(0, 0);
    EXPECT_EQ(v.width, 1024);
    EXPECT_EQ(v.height, 768);
}

}  // namespace
