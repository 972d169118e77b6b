#pragma once
// Where the fixed picture sits in a window of any size: scaled by the
// largest factor that keeps its aspect, centred, black bars around; and the
// way back from a window position to a picture position.
#include "platform/platform.h"

struct PictureViewport {
    int x = 0, y = 0, width = kPictureWidth, height = kPictureHeight;
};

PictureViewport FitPicture(int windowWidth, int windowHeight);
// A window position in picture coordinates, kept inside the picture; false
// when the position lies outside it (on a bar).
bool WindowToPicture(const PictureViewport& viewport, int wx, int wy, Point& picture);
