#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

#include "platform/platform.h"
#include "ui/draw_device.h"
#include "ui/pixel_copy.h"

namespace {

bool Inside(const DdRect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom &&
           r.right <= width && r.bottom <= height;
}

DdRect Whole(const DrawSurface& s) { return {0, 0, s.Width(), s.Height()}; }

bool SamePixels(const PixelMemory& a, const PixelMemory& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(uint32_t)) == 0;
}

bool Overlap(const DdRect& a, const DdRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void FillPixelFormat(int depth, DdPixelFormat& format) {
    format.flags = DDPF_RGB;
    format.rgbBitCount = static_cast<uint32_t>(depth);
    if (depth == 16) {
        format.redMask = 0xF800;
        format.greenMask = 0x07E0;
        format.blueMask = 0x001F;
    } else {
        format.redMask = 0xFF0000;
        format.greenMask = 0x00FF00;
        format.blueMask = 0x0000FF;
    }
}

}  // namespace

DrawSurface::DrawSurface(DrawDevice* device, int width, int height, uint32_t caps)
    : device_(device),
      width_(width),
      height_(height),
      caps_(caps),
      pixels_(static_cast<size_t>(width) * height),
      lossSeen_(device->WindowLossCount()) {
    device_->AddRef();
}

DrawSurface::~DrawSurface() {
    if (inVideoMemory_) device_->Give(bytes_);
    if (caps_ & DDSCAPS_PRIMARYSURFACE) device_->hasPrimary_ = false;
    if (attached_) {
        attached_->owner_ = nullptr;
        attached_->Release();
    }
    device_->Release();
}

uint32_t DrawSurface::Release() {
    const uint32_t left = --refs_;
    if (left == 0) delete this;
    return left;
}

bool DrawSurface::Lost() const { return lossSeen_ != device_->WindowLossCount(); }

HResult DrawSurface::CheckUsable() const { return Lost() ? DDERR_SURFACELOST : DD_OK; }

uint32_t* DrawSurface::Pixels() { return Lost() ? nullptr : pixels_.data(); }
const uint32_t* DrawSurface::Pixels() const { return Lost() ? nullptr : pixels_.data(); }

HResult DrawSurface::IsLost() { return CheckUsable(); }

HResult DrawSurface::Restore() {
    if (owner_) return owner_->Restore();  // the back buffer comes back with its chain
    if (!Lost()) return DD_OK;
    const DeviceFaultsForTests& faults = device_->faults_;
    if ((caps_ & DDSCAPS_OFFSCREENPLAIN) && faults.restorePictures != DD_OK)
        return faults.restorePictures;
    const Window* window = device_->window_;
    if (!window || window->IsDestroyed()) return DDERR_NOHWND;
    if (window->IsMinimised()) return DDERR_WRONGMODE;
    // The memory came back, the picture in it did not; nor is the window
    // sure to show what it showed before.
    std::fill(pixels_.begin(), pixels_.end(), 0u);
    if (caps_ & DDSCAPS_PRIMARYSURFACE) device_->pictureShown_ = false;
    lossSeen_ = device_->WindowLossCount();
    if (attached_) {
        std::fill(attached_->pixels_.begin(), attached_->pixels_.end(), 0u);
        attached_->lossSeen_ = lossSeen_;
    }
    return DD_OK;
}

void DrawSurface::CopyFrom(const DrawSurface& src, const DdRect& from, const DdRect& to,
                           bool keyed) {
    const int fromW = from.right - from.left, fromH = from.bottom - from.top;
    // A copy within one surface whose rectangles overlap reads from a copy
    // of its source rectangle (the mini-map is painted from the sheet into
    // the sheet, in many small copies, so only overlapping ones pay).
    std::vector<uint32_t> snapshot;
    SourcePixels source{src.pixels_.data() + static_cast<size_t>(from.top) * src.width_ + from.left,
                        src.width_, fromW, fromH};
    if (&src == this && Overlap(from, to)) {
        snapshot.resize(static_cast<size_t>(fromW) * fromH);
        for (int y = 0; y < fromH; ++y)
            std::copy_n(source.pixels + static_cast<size_t>(y) * source.pitch, fromW,
                        snapshot.data() + static_cast<size_t>(y) * fromW);
        source = {snapshot.data(), fromW, fromW, fromH};
    }
    const TargetPixels target{pixels_.data() + static_cast<size_t>(to.top) * width_ + to.left, width_,
                              to.right - to.left, to.bottom - to.top};
    // A key range that is empty (high below low) keeps nothing out.
    const bool keying = keyed && src.colorKey_.low <= src.colorKey_.high;
    const PixelKey key{keying, src.colorKey_.low, src.colorKey_.high};
    if (source.width == target.width && source.height == target.height)
        CopyPixels(source, target, key);
    else
        StretchPixels(source, target, key);
}

HResult DrawSurface::Blt(const DdRect* destRect, DrawSurface* src, const DdRect* srcRect,
                         uint32_t flags, const DdBltFx* fx) {
    if (Lost()) return DDERR_SURFACELOST;
    const DdRect to = destRect ? *destRect : Whole(*this);
    if (!Inside(to, width_, height_)) return DDERR_INVALIDRECT;
    if (flags & DDBLT_COLORFILL) {
        if (!fx) return DDERR_INVALIDPARAMS;
        for (int y = to.top; y < to.bottom; ++y)
            std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + to.left,
                        to.right - to.left, fx->fillColor);
        return DD_OK;
    }
    if (!src) return DDERR_INVALIDPARAMS;
    if (src->Lost()) return DDERR_SURFACELOST;
    const DdRect from = srcRect ? *srcRect : Whole(*src);
    if (!Inside(from, src->width_, src->height_)) return DDERR_INVALIDRECT;
    const bool keyed = (flags & DDBLT_KEYSRC) != 0;
    if (keyed && !src->hasColorKey_) return DDERR_NOCOLORKEY;
    CopyFrom(*src, from, to, keyed);
    return DD_OK;
}

HResult DrawSurface::BltFast(int x, int y, DrawSurface* src, const DdRect* srcRect,
                             uint32_t flags) {
    if (!src) return DDERR_INVALIDPARAMS;
    if (Lost() || src->Lost()) return DDERR_SURFACELOST;
    const DdRect from = srcRect ? *srcRect : Whole(*src);
    if (!Inside(from, src->width_, src->height_)) return DDERR_INVALIDRECT;
    const DdRect to{x, y, x + (from.right - from.left), y + (from.bottom - from.top)};
    if (!Inside(to, width_, height_)) return DDERR_INVALIDRECT;
    const bool keyed = (flags & DDBLTFAST_SRCCOLORKEY) != 0;
    if (keyed && !src->hasColorKey_) return DDERR_NOCOLORKEY;
    CopyFrom(*src, from, to, keyed);
    return DD_OK;
}

HResult DrawSurface::Flip(DrawSurface* overrideSurface, uint32_t /*flags*/) {
    if ((caps_ & DDSCAPS_PRIMARYSURFACE) == 0 || !attached_) return DDERR_NOTFLIPPABLE;
    if (overrideSurface && overrideSurface != attached_) return DDERR_INVALIDPARAMS;
    if (Lost()) return DDERR_SURFACELOST;
    // A page equal to the one on screen is neither swapped nor sent again:
    // the window only keeps the frame's rhythm.
    if (device_->pictureShown_ && SamePixels(pixels_, attached_->pixels_)) {
        device_->ShowPicture(nullptr);
        return DD_OK;
    }
    std::swap(pixels_, attached_->pixels_);
    device_->ShowPicture(this);
    return DD_OK;
}

HResult DrawSurface::GetAttachedSurface(const DdSurfaceCaps& caps, DrawSurface** attached) {
    if (!attached) return DDERR_INVALIDPARAMS;
    *attached = nullptr;
    if ((caps.caps & DDSCAPS_BACKBUFFER) == 0 || !attached_) return DDERR_NOTFOUND;
    if (device_->faults_.attachedSurface != DD_OK) return device_->faults_.attachedSurface;
    attached_->AddRef();
    *attached = attached_;
    return DD_OK;
}

HResult DrawSurface::SetColorKey(uint32_t flags, const DdColorKey* key) {
    if ((flags & DDCKEY_SRCBLT) == 0) return DDERR_UNSUPPORTED;
    hasColorKey_ = key != nullptr;
    colorKey_ = key ? *key : DdColorKey{};
    return DD_OK;
}

HResult DrawSurface::GetColorKey(uint32_t flags, DdColorKey* key) {
    if ((flags & DDCKEY_SRCBLT) == 0 || !key) return DDERR_INVALIDPARAMS;
    if (!hasColorKey_) return DDERR_NOCOLORKEY;
    *key = colorKey_;
    return DD_OK;
}

HResult DrawSurface::GetPixelFormat(DdPixelFormat* format) {
    if (device_->faults_.pixelFormat != DD_OK) return device_->faults_.pixelFormat;
    if (!format) return DDERR_INVALIDPARAMS;
    FillPixelFormat(device_->modeDepth_ ? device_->modeDepth_ : 32, *format);
    return DD_OK;
}

HResult DrawSurface::GetSurfaceDesc(DdSurfaceDesc* desc) {
    if (device_->faults_.surfaceDesc != DD_OK) return device_->faults_.surfaceDesc;
    if (!desc) return DDERR_INVALIDPARAMS;
    desc->flags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc->width = static_cast<uint32_t>(width_);
    desc->height = static_cast<uint32_t>(height_);
    desc->pitch = static_cast<int32_t>(static_cast<uint32_t>(width_) *
                                       (device_->modeDepth_ ? device_->BytesPerPixel() : 4));
    desc->caps.caps = caps_;
    if (attached_) {
        desc->flags |= DDSD_BACKBUFFERCOUNT;
        desc->backBufferCount = 1;
    }
    if (hasColorKey_) {
        desc->flags |= DDSD_CKSRCBLT;
        desc->srcColorKey = colorKey_;
    }
    FillPixelFormat(device_->modeDepth_ ? device_->modeDepth_ : 32, desc->pixelFormat);
    return DD_OK;
}
