// The picture in windows of any shape, and clicks mapped back into it.
#include <gtest/gtest.h>

#include <array>

#include "platform/picture_fit.h"

namespace {

TEST(PictureFit, ThePictureKeepsItsShapeCentredBetweenBars) {
    struct Case { int windowWidth, windowHeight, x, y, width, height; };
    const Case cases[] = {
        {1920, 1080, 240, 0, 1440, 1080},  // bars left and right
        {1024, 1000, 0, 116, 1024, 768},   // bars above and below
        {2048, 1536, 0, 0, 2048, 1536},    // exactly twice the size
        {0, 0, 0, 0, 1024, 768},           // a window of no size keeps the picture's
    };
    for (const Case& c : cases) {
        const PictureViewport v = FitPicture(c.windowWidth, c.windowHeight);
        EXPECT_EQ((std::array{v.x, v.y, v.width, v.height}), (std::array{c.x, c.y, c.width, c.height})) << c.windowWidth;
    }
}

// Positions on the bars are outside, but kept at the picture's edge.
TEST(PictureFit, WindowPositionsMapBackToPicturePixelsAndBarsAreOutside) {
    const PictureViewport v = FitPicture(1920, 1080);  // the picture from x 240 to 1679, scale 1.40625
    struct Case { int x, y; bool inside; Point pixel; };
    const Case cases[] = {
        {240, 0, true, {0, 0}},       {1679, 1079, true, {1023, 767}}, {960, 540, true, {512, 384}},
        {239, 500, false, {0, 355}},  {1680, 0, false, {1023, 0}},     {1679, 1080, false, {1023, 767}},
    };
    for (const Case& c : cases) {
        Point p;
        EXPECT_EQ(WindowToPicture(v, c.x, c.y, p), c.inside) << c.x << "," << c.y;
        EXPECT_EQ(p, c.pixel) << c.x << "," << c.y;
    }
}

}  // namespace
