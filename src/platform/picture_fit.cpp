#include "platform/picture_fit.h"

#include <algorithm>
#include <cstdint>

PictureViewport FitPicture(int windowWidth, int windowHeight) {
    PictureViewport v;
    if (windowWidth <= 0 || windowHeight <= 0) return v;
    // Whichever side of the window is the tighter fit decides the scale.
    if (static_cast<int64_t>(windowWidth) * kPictureHeight <=
        static_cast<int64_t>(windowHeight) * kPictureWidth) {
        v.width = windowWidth;
        v.height = static_cast<int>(static_cast<int64_t>(windowWidth) * kPictureHeight /
                                    kPictureWidth);
    } else {
        v.height = windowHeight;
        v.width = static_cast<int>(static_cast<int64_t>(windowHeight) * kPictureWidth /
                                   kPictureHeight);
    }
    v.x = (windowWidth - v.width) / 2;
    v.y = (windowHeight - v.height) / 2;
    return v;
}

bool WindowToPicture(const PictureViewport& v, int wx, int wy, Point& picture) {
    if (v.width <= 0 || v.height <= 0) return false;
    const int64_t dx = wx - v.x;
    const int64_t dy = wy - v.y;
    if (dx < 0 || dy < 0 || dx >= v.width || dy >= v.height) {
        picture.x = static_cast<int>(std::clamp<int64_t>(dx * kPictureWidth / v.width, 0,
                                                         kPictureWidth - 1));
        picture.y = static_cast<int>(std::clamp<int64_t>(dy * kPictureHeight / v.height, 0,
                                                         kPictureHeight - 1));
        return false;
    }
    picture.x = static_cast<int>(dx * kPictureWidth / v.width);
    picture.y = static_cast<int>(dy * kPictureHeight / v.height);
    return true;
}
