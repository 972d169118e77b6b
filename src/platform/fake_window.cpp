#include "platform/bmp_writer.h"
#include "platform/fake_platform.h"

namespace {
WindowMessage Activation(uint32_t state, bool minimised) {
    WindowMessage m;
    m.message = WM_ACTIVATE;
    m.wParam = MakeActivateWord(state, minimised);
    return m;
}
}  // namespace

void FakeWindow::PresentPicture(const uint32_t* pixels, int width, int height, int pitch) {
    if (!destroyed_ && !minimised_ && pixels && width > 0 && height > 0) {
        ++pictures_;
        width_ = width;
        height_ = height;
        picture_.resize(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            const uint32_t* from = pixels + static_cast<size_t>(y) * pitch;
            uint32_t* to = picture_.data() + static_cast<size_t>(y) * width;
            for (int x = 0; x < width; ++x) to[x] = from[x] & 0x00FFFFFF;
        }
    }
    platform_.OnFramePresented();
}

uint32_t FakeWindow::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return picture_[static_cast<size_t>(y) * width_ + x];
}

bool FakeWindow::SavePictureBmp(const std::string& path) const {
    return WriteBmpFile(path, picture_.data(), width_, height_, width_);
}

void FakeWindow::Minimise() {
    if (destroyed_ || minimised_) return;
    minimised_ = true;
    ++lossCount_;
    platform_.Enqueue(Activation(WA_INACTIVE, true));
}

void FakeWindow::Restore() {
    if (destroyed_ || !minimised_) return;
    minimised_ = false;
    platform_.Enqueue(Activation(WA_ACTIVE, false));
}

void FakeWindow::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    ++lossCount_;
    WindowMessage m;
    m.message = WM_DESTROY;
    platform_.Enqueue(m);
}
