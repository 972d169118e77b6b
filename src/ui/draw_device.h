#pragma once
// The drawing device the display is built on: a small software device with
// the calls, flags and result codes of the classic full-screen page-flipping
// interface the game was designed around, so the display set-up, its log and
// its fall-backs are real. Surfaces are plain 32-bit pixel memory
// (0x00RRGGBB) whatever the display mode's depth: the mode's depth only
// decides what the pixel format and the memory counts report.
//
// Accepted display modes: the picture size at 16, 24 or 32 bits; every other
// depth is refused with DDERR_INVALIDMODE. Minimising the window (or closing
// it) loses every surface: the calls then answer DDERR_SURFACELOST until
// Restore, which gives the surface back black, its picture gone. Restore
// fails while the window is minimised (DDERR_WRONGMODE) or after it was
// closed (DDERR_NOHWND).
//
// Objects are reference counted: every Create/Get hands out one reference,
// Release gives it back. The primary surface holds its back buffer.
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#include "ui/result_codes.h"

class Window;

// ---- Flags, with their classic values --------------------------------------
constexpr uint32_t DDSCL_FULLSCREEN = 0x00000001;
constexpr uint32_t DDSCL_NORMAL = 0x00000008;
constexpr uint32_t DDSCL_EXCLUSIVE = 0x00000010;

constexpr uint32_t DDSD_CAPS = 0x00000001;
constexpr uint32_t DDSD_HEIGHT = 0x00000002;
constexpr uint32_t DDSD_WIDTH = 0x00000004;
constexpr uint32_t DDSD_PITCH = 0x00000008;
constexpr uint32_t DDSD_BACKBUFFERCOUNT = 0x00000020;
constexpr uint32_t DDSD_CKSRCBLT = 0x00010000;
constexpr uint32_t DDSD_PIXELFORMAT = 0x00001000;

constexpr uint32_t DDSCAPS_BACKBUFFER = 0x00000004;
constexpr uint32_t DDSCAPS_COMPLEX = 0x00000008;
constexpr uint32_t DDSCAPS_FLIP = 0x00000010;
constexpr uint32_t DDSCAPS_FRONTBUFFER = 0x00000020;
constexpr uint32_t DDSCAPS_OFFSCREENPLAIN = 0x00000040;
constexpr uint32_t DDSCAPS_PRIMARYSURFACE = 0x00000200;
constexpr uint32_t DDSCAPS_SYSTEMMEMORY = 0x00000800;
constexpr uint32_t DDSCAPS_VIDEOMEMORY = 0x00004000;
constexpr uint32_t DDSCAPS_LOCALVIDMEM = 0x10000000;

constexpr uint32_t DDCKEY_SRCBLT = 0x00000008;

constexpr uint32_t DDBLT_COLORFILL = 0x00000400;
constexpr uint32_t DDBLT_KEYSRC = 0x00008000;
constexpr uint32_t DDBLT_WAIT = 0x01000000;

constexpr uint32_t DDBLTFAST_NOCOLORKEY = 0x00000000;
constexpr uint32_t DDBLTFAST_SRCCOLORKEY = 0x00000001;
constexpr uint32_t DDBLTFAST_WAIT = 0x00000010;

constexpr uint32_t DDFLIP_WAIT = 0x00000001;

constexpr uint32_t DDCAPS_BLT = 0x00000040;
constexpr uint32_t DDCAPS_BLTCOLORFILL = 0x04000000;
constexpr uint32_t DDCAPS_BLTSTRETCH = 0x00000200;
constexpr uint32_t DDCAPS_COLORKEY = 0x00400000;
constexpr uint32_t DDCAPS_NOHARDWARE = 0x02000000;

constexpr uint32_t DDPF_RGB = 0x00000040;

// ---- Records ----------------------------------------------------------------
// left, top inclusive; right, bottom exclusive.
struct DdRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct DdColorKey {
    uint32_t low = 0;
    uint32_t high = 0;
};

struct DdBltFx {
    uint32_t size = sizeof(DdBltFx);
    uint32_t fillColor = 0;  // DDBLT_COLORFILL, in the surface's pixel format
};

struct DdSurfaceCaps {
    uint32_t caps = 0;
};

struct DdPixelFormat {
    uint32_t size = sizeof(DdPixelFormat);
    uint32_t flags = 0;  // DDPF_RGB
    uint32_t rgbBitCount = 0;
    uint32_t redMask = 0, greenMask = 0, blueMask = 0;
};

struct DdSurfaceDesc {
    uint32_t size = sizeof(DdSurfaceDesc);
    uint32_t flags = 0;  // DDSD_*: which fields are meaningful
    uint32_t height = 0;
    uint32_t width = 0;
    int32_t pitch = 0;   // bytes from one row to the next, as the mode stores them
    uint32_t backBufferCount = 0;
    DdColorKey srcColorKey;
    DdPixelFormat pixelFormat;
    DdSurfaceCaps caps;
};

struct DdCaps {
    uint32_t size = sizeof(DdCaps);
    uint32_t caps = 0;  // DDCAPS_*
    uint32_t vidMemTotal = 0;
    uint32_t vidMemFree = 0;
};

class DrawDevice;

// A picture's memory comes zeroed from the system, so a page is touched only
// when something is drawn on it: the program makes a dozen screen-sized
// pictures at start, most of them drawn over later or never.
template <class T>
struct ZeroedMemory {
    using value_type = T;
    ZeroedMemory() = default;
    template <class U>
    ZeroedMemory(const ZeroedMemory<U>&) {}
    T* allocate(size_t n) {
        if (void* p = std::calloc(n, sizeof(T))) return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    void deallocate(T* p, size_t) { std::free(p); }
    // A new element is already zero, since pictures are made once at their
    // size and never resized; anything else is built as usual.
    template <class U>
    void construct(U*) noexcept {}
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    friend bool operator==(const ZeroedMemory&, const ZeroedMemory&) { return true; }
};
using PixelMemory = std::vector<uint32_t, ZeroedMemory<uint32_t>>;

class DrawSurface {
public:
    // Copies srcRect of src (all of src when null) stretched onto destRect
    // (all of this surface when null). DDBLT_COLORFILL fills destRect with
    // fx->fillColor instead; DDBLT_KEYSRC skips source pixels matching the
    // source's colour key. Rectangles must lie inside their surfaces
    // (DDERR_INVALIDRECT otherwise).
    HResult Blt(const DdRect* destRect, DrawSurface* src, const DdRect* srcRect,
                uint32_t flags, const DdBltFx* fx);
    // Copies srcRect of src unstretched to x, y. Nothing is clipped: a source
    // rectangle outside src or a destination outside this surface is refused
    // with DDERR_INVALIDRECT and nothing is drawn.
    HResult BltFast(int x, int y, DrawSurface* src, const DdRect* srcRect, uint32_t flags);
    // Primary surface only: the back buffer becomes the shown picture, which
    // goes to the window; returns once it is shown. A back buffer equal to
    // the picture on screen stays where it is and the window is only told
    // that nothing changed, so an idle screen costs one comparison a frame.
    HResult Flip(DrawSurface* overrideSurface, uint32_t flags);
    HResult GetAttachedSurface(const DdSurfaceCaps& caps, DrawSurface** attached);
    HResult SetColorKey(uint32_t flags, const DdColorKey* key);
    HResult GetColorKey(uint32_t flags, DdColorKey* key);
    HResult IsLost();
    HResult Restore();
    HResult GetPixelFormat(DdPixelFormat* format);
    HResult GetSurfaceDesc(DdSurfaceDesc* desc);
    // Direct pixel access for loading pictures and for reading them back:
    // `Pitch()` pixels from one row to the next. Null while lost.
    uint32_t* Pixels();
    const uint32_t* Pixels() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return width_; }
    uint32_t AddRef() { return ++refs_; }
    uint32_t Release();

private:
    friend class DrawDevice;
    DrawSurface(DrawDevice* device, int width, int height, uint32_t caps);
    ~DrawSurface();
    bool Lost() const;
    HResult CheckUsable() const;
    void CopyFrom(const DrawSurface& src, const DdRect& from, const DdRect& to, bool keyed);

    DrawDevice* device_;
    int width_, height_;
    uint32_t caps_;
    PixelMemory pixels_;
    bool hasColorKey_ = false;
    DdColorKey colorKey_;
    uint32_t lossSeen_ = 0;
    uint32_t bytes_ = 0;        // as the display mode stores them
    bool inVideoMemory_ = false;
    uint32_t refs_ = 1;
    DrawSurface* attached_ = nullptr;  // the primary's back buffer
    DrawSurface* owner_ = nullptr;     // the back buffer's primary
};

// Test seam: failures a test imposes on the next device made, for the steps
// of the display set-up that cannot be made to fail otherwise (a destroyed
// window, too little video memory or a minimised window reach the other
// failure paths). Each non-zero code is what that call answers. The game
// never sets it; tests clear it with ResetDeviceTestSeam().
struct DeviceFaultsForTests {
    HResult create = 0;              // DirectDrawCreateEx
    std::vector<int> refusedDepths;  // display modes refused besides the usual
    HResult getCaps = 0;             // the first GetCaps
    HResult getCapsAgain = 0;        // the second GetCaps
    HResult attachedSurface = 0;
    int failOffscreenNumber = 0;     // 1-based: that off-screen surface fails
    HResult offscreenResult = DDERR_OUTOFMEMORY;
    HResult pixelFormat = 0;
    HResult surfaceDesc = 0;
    HResult restorePictures = 0;     // Restore of off-screen surfaces only
    uint32_t videoMemory = 64u << 20;  // bytes; surfaces beyond it go to system memory
};
DeviceFaultsForTests& DeviceTestSeam();
void ResetDeviceTestSeam();

class DrawDevice {
public:
    // DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN with the game's window; a null
    // window is DDERR_INVALIDPARAMS (E_INVALIDARG).
    HResult SetCooperativeLevel(Window* window, uint32_t flags);
    // Width and height must be the picture size; depth 16, 24 or 32.
    HResult SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate,
                           uint32_t flags);
    HResult GetCaps(DdCaps* driverCaps, DdCaps* emulationCaps);
    // Primary: DDSD_CAPS | DDSD_BACKBUFFERCOUNT, one back buffer,
    // DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX; it takes the
    // display mode's size. Off-screen: DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT
    // with DDSCAPS_OFFSCREENPLAIN, optionally a memory placement flag.
    HResult CreateSurface(const DdSurfaceDesc& desc, DrawSurface** surface);
    uint32_t AddRef() { return ++refs_; }
    uint32_t Release();

    int ModeDepth() const { return modeDepth_; }

private:
    friend class DrawSurface;
    friend HResult DirectDrawCreateEx(DrawDevice** device);
    DrawDevice() = default;
    ~DrawDevice() = default;
    HResult CreatePrimary(const DdSurfaceDesc& desc, DrawSurface** surface);
    HResult CreateOffscreen(const DdSurfaceDesc& desc, DrawSurface** surface);
    uint32_t BytesPerPixel() const { return static_cast<uint32_t>((modeDepth_ + 7) / 8); }
    uint32_t WindowLossCount() const;
    // The front page to the window, or, when null, word that the picture
    // on screen stays as it is.
    void ShowPicture(const DrawSurface* front);
    void Take(uint32_t bytes) { videoUsed_ += bytes; }
    void Give(uint32_t bytes) { videoUsed_ -= bytes; }

    DeviceFaultsForTests faults_;
    Window* window_ = nullptr;
    int modeWidth_ = 0, modeHeight_ = 0, modeDepth_ = 0;
    bool hasPrimary_ = false;
    int offscreenMade_ = 0;
    int capsCalls_ = 0;
    uint32_t videoUsed_ = 0;
    uint32_t refs_ = 1;
    bool pictureShown_ = false;  // the window shows the front page as it is
};

// Makes the device; DD_OK or the failure code.
HResult DirectDrawCreateEx(DrawDevice** device);
