#include "ui/images.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/input.h"
#include "platform/run_log.h"
#include "ui/bmp_decode.h"
#include "ui/display.h"

namespace {

bool LogLoadFailure(const std::string& fileName) {
    AppendLog("LoadBitmap(\"" + fileName + "\")");
    AppendLog("*** FAILED ***");
    return false;
}

// Copies the picture one to one from its top-left corner: a larger picture
// is cut, and what a smaller one does not cover is left black.
// Each pixel is written once: a start-up's pictures run to megabytes.
void CopyIntoSurface(const DecodedBitmap& picture, DrawSurface& surface, uint32_t* pixels) {
    const size_t pitch = static_cast<size_t>(surface.Pitch());
    const int width = std::min(picture.width, surface.Width());
    const int height = std::min(picture.height, surface.Height());
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = picture.pixels.data() + static_cast<size_t>(y) * picture.width;
        uint32_t* row = pixels + y * pitch;
        std::fill(std::copy(from, from + width, row), row + pitch, 0u);
    }
    std::fill(pixels + height * pitch, pixels + surface.Height() * pitch, 0u);
}

}  // namespace

bool Display::LoadBitmapFile(DrawSurface* surface, const std::string& fileName) {
    std::string bytes;
    DecodedBitmap picture;
    if (!ReadGameFile(fileName, bytes) || !DecodeBmp(bytes, picture)) return LogLoadFailure(fileName);
    // A lost surface has no memory to copy into; saying the picture was
    // loaded would leave the screen drawing from nothing.
    uint32_t* pixels = surface ? surface->Pixels() : nullptr;
    if (!pixels) return LogLoadFailure(fileName);
    CopyIntoSurface(picture, *surface, pixels);
    return true;
}

bool LoadScreenImages(const std::vector<ScreenImage>& images) {
    for (const ScreenImage& image : images) {
        if (image.slot < 0 || image.slot >= static_cast<int>(display.offscreenSurfaces.size())) return false;
        if (!display.LoadBitmapFile(display.offscreenSurfaces[image.slot], image.fileName)) return false;
    }
    return true;
}

bool RecoverDisplay(const std::vector<ScreenImage>& images, PictureWatch& watch) {
    if (windowState.quitReceived) return false;
    // Reloaded pictures are as good as those of the loss they answer; a loss
    // that comes while loading shows at the next frame.
    watch.Reloaded();
    return display.RestoreSurfaces() && LoadScreenImages(images);
}
