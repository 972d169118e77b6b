#include "ui/draw_device.h"

#include <algorithm>

#include "platform/platform.h"

namespace {

DeviceFaultsForTests& Faults() {
    static DeviceFaultsForTests faults;
    return faults;
}

// Larger surfaces than this are refused, as by drivers of the time.
constexpr uint32_t kLargestSide = 8192;

}  // namespace

DeviceFaultsForTests& DeviceTestSeam() { return Faults(); }
void ResetDeviceTestSeam() { Faults() = DeviceFaultsForTests{}; }

HResult DirectDrawCreateEx(DrawDevice** device) {
    if (!device) return DDERR_INVALIDPARAMS;
    *device = nullptr;
    if (Faults().create != DD_OK) return Faults().create;
    *device = new DrawDevice;
    (*device)->faults_ = Faults();
    return DD_OK;
}

uint32_t DrawDevice::Release() {
    const uint32_t left = --refs_;
    if (left == 0) delete this;
    return left;
}

HResult DrawDevice::SetCooperativeLevel(Window* window, uint32_t flags) {
    if (!window) return DDERR_INVALIDPARAMS;
    if (window->IsDestroyed()) return DDERR_NOHWND;
    const uint32_t fullScreen = DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN;
    if ((flags & fullScreen) != fullScreen && (flags & DDSCL_NORMAL) == 0)
        return DDERR_INVALIDPARAMS;
    window_ = window;
    return DD_OK;
}

HResult DrawDevice::SetDisplayMode(int width, int height, int bitsPerPixel, int /*refreshRate*/,
                                   uint32_t /*flags*/) {
    if (!window_) return DDERR_NOCOOPERATIVELEVELSET;
    const auto& refused = faults_.refusedDepths;
    const bool usual = bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (width != kPictureWidth || height != kPictureHeight || !usual ||
        std::find(refused.begin(), refused.end(), bitsPerPixel) != refused.end())
        return DDERR_INVALIDMODE;
    modeWidth_ = width;
    modeHeight_ = height;
    modeDepth_ = bitsPerPixel;
    return DD_OK;
}

HResult DrawDevice::GetCaps(DdCaps* driverCaps, DdCaps* emulationCaps) {
    const HResult fault = capsCalls_++ == 0 ? faults_.getCaps : faults_.getCapsAgain;
    if (fault != DD_OK) return fault;
    if (!driverCaps && !emulationCaps) return DDERR_INVALIDPARAMS;
    const bool hardware = window_ && window_->IsAccelerated();
    const uint32_t drawing = DDCAPS_BLT | DDCAPS_BLTCOLORFILL | DDCAPS_BLTSTRETCH | DDCAPS_COLORKEY;
    if (driverCaps) {
        driverCaps->caps = hardware ? drawing : DDCAPS_NOHARDWARE;
        driverCaps->vidMemTotal = hardware ? faults_.videoMemory : 0;
        driverCaps->vidMemFree = hardware ? faults_.videoMemory - videoUsed_ : 0;
    }
    if (emulationCaps) {
        emulationCaps->caps = drawing;
        emulationCaps->vidMemTotal = 0;
        emulationCaps->vidMemFree = 0;
    }
    return DD_OK;
}

HResult DrawDevice::CreateSurface(const DdSurfaceDesc& desc, DrawSurface** surface) {
    if (!surface) return DDERR_INVALIDPARAMS;
    *surface = nullptr;
    if (!window_) return DDERR_NOCOOPERATIVELEVELSET;
    if ((desc.flags & DDSD_CAPS) == 0) return DDERR_INVALIDPARAMS;
    if (desc.caps.caps & DDSCAPS_PRIMARYSURFACE) return CreatePrimary(desc, surface);
    if (desc.caps.caps & DDSCAPS_OFFSCREENPLAIN) return CreateOffscreen(desc, surface);
    return DDERR_INVALIDCAPS;
}

HResult DrawDevice::CreatePrimary(const DdSurfaceDesc& desc, DrawSurface** surface) {
    if (hasPrimary_) return DDERR_PRIMARYSURFACEALREADYEXISTS;
    if (modeDepth_ == 0) return DDERR_NOEXCLUSIVEMODE;
    const uint32_t caps = desc.caps.caps;
    const bool flipping = (caps & DDSCAPS_FLIP) != 0;
    if (flipping) {
        if ((caps & DDSCAPS_COMPLEX) == 0) return DDERR_INVALIDCAPS;
        if ((desc.flags & DDSD_BACKBUFFERCOUNT) == 0 || desc.backBufferCount != 1)
            return DDERR_INVALIDPARAMS;
    }
    const uint32_t bytes = static_cast<uint32_t>(modeWidth_ * modeHeight_) * BytesPerPixel();
    const bool hardware = window_->IsAccelerated();
    const uint32_t pages = flipping ? 2 : 1;
    if (hardware && faults_.videoMemory - videoUsed_ < bytes * pages) return DDERR_OUTOFVIDEOMEMORY;
    const uint32_t placement =
        hardware ? (DDSCAPS_VIDEOMEMORY | DDSCAPS_LOCALVIDMEM) : DDSCAPS_SYSTEMMEMORY;
    const uint32_t chain = flipping ? (DDSCAPS_FLIP | DDSCAPS_COMPLEX) : 0;

    auto* front = new DrawSurface(this, modeWidth_, modeHeight_,
                                  DDSCAPS_PRIMARYSURFACE | DDSCAPS_FRONTBUFFER | chain | placement);
    front->bytes_ = bytes;
    front->inVideoMemory_ = hardware;
    if (hardware) Take(bytes);
    if (flipping) {
        auto* back = new DrawSurface(this, modeWidth_, modeHeight_,
                                     DDSCAPS_BACKBUFFER | chain | placement);
        back->bytes_ = bytes;
        back->inVideoMemory_ = hardware;
        if (hardware) Take(bytes);
        back->owner_ = front;
        front->attached_ = back;
    }
    hasPrimary_ = true;
    *surface = front;
    return DD_OK;
}

HResult DrawDevice::CreateOffscreen(const DdSurfaceDesc& desc, DrawSurface** surface) {
    ++offscreenMade_;
    if (faults_.failOffscreenNumber == offscreenMade_) return faults_.offscreenResult;
    if ((desc.flags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT) ||
        desc.width == 0 || desc.height == 0)
        return DDERR_INVALIDPARAMS;
    if (desc.width > kLargestSide || desc.height > kLargestSide) return DDERR_TOOBIGSIZE;
    const uint32_t bytes = desc.width * desc.height * (modeDepth_ ? BytesPerPixel() : 4);
    const bool hardware = window_->IsAccelerated();
    const bool fits = hardware && faults_.videoMemory - videoUsed_ >= bytes;
    const uint32_t asked = desc.caps.caps & (DDSCAPS_VIDEOMEMORY | DDSCAPS_SYSTEMMEMORY);
    if (asked == DDSCAPS_VIDEOMEMORY && !fits) return DDERR_OUTOFVIDEOMEMORY;
    const bool video = asked == 0 ? fits : asked == DDSCAPS_VIDEOMEMORY;
    const uint32_t placement = video ? (DDSCAPS_VIDEOMEMORY | DDSCAPS_LOCALVIDMEM)
                                     : DDSCAPS_SYSTEMMEMORY;
    auto* made = new DrawSurface(this, static_cast<int>(desc.width),
                                 static_cast<int>(desc.height),
                                 DDSCAPS_OFFSCREENPLAIN | placement);
    made->bytes_ = bytes;
    made->inVideoMemory_ = video;
    if (video) Take(bytes);
    if (desc.flags & DDSD_CKSRCBLT) made->SetColorKey(DDCKEY_SRCBLT, &desc.srcColorKey);
    *surface = made;
    return DD_OK;
}

uint32_t DrawDevice::WindowLossCount() const { return window_ ? window_->LossCount() : 0; }

void DrawDevice::ShowPicture(const DrawSurface* front) {
    if (!window_) return;
    if (!front) {
        window_->PresentPicture(nullptr, modeWidth_, modeHeight_, modeWidth_);
        return;
    }
    window_->PresentPicture(front->pixels_.data(), front->width_, front->height_, front->Pitch());
    pictureShown_ = true;
}
