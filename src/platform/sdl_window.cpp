#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/sdl_parts.h"

namespace {
constexpr int kFramesPerSecond = 60;
constexpr int kIconSize = 32;

// Without a graphics card OpenGL is a software driver with a compiler of its
// own: loading it is most of the start and 90 MB of memory, and its drawing
// is no faster than SDL's own. There the picture is scaled by the processor
// and handed to the window as it is. SDL_RENDER_DRIVER still decides when
// a player sets it.
void PreferProcessorDrawingWithoutGraphicsCard() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/dri", ec)) return;
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}
}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::Create(const std::string& title) {
    std::unique_ptr<SdlWindow> w(new SdlWindow);
    // Sharp pixels when the picture is scaled.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    PreferProcessorDrawingWithoutGraphicsCard();
    // Made at the desktop's size, so the window covers the screen even where
    // no window manager carries out the full-screen request.
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0 || desktop.w <= 0 || desktop.h <= 0) {
        desktop.w = kPictureWidth;
        desktop.h = kPictureHeight;
    }
    w->window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  desktop.w, desktop.h, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!w->window_) return nullptr;
    // Asked to fill the screen before it is first shown, so it never flashes
    // up as a framed window.
    if (DesktopHasWindowManager(w->window_)) SDL_SetWindowFullscreen(w->window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_ShowWindow(w->window_);
    w->id_ = SDL_GetWindowID(w->window_);
    w->renderer_ = SDL_CreateRenderer(w->window_, -1,
                                      SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!w->renderer_) w->renderer_ = SDL_CreateRenderer(w->window_, -1, 0);
    if (!w->renderer_) return nullptr;
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(w->renderer_, &info) == 0) {
        w->accelerated_ = (info.flags & SDL_RENDERER_ACCELERATED) != 0;
    }
    w->texture_ = SDL_CreateTexture(w->renderer_, SDL_PIXELFORMAT_RGB888,
                                    SDL_TEXTUREACCESS_STREAMING, kPictureWidth, kPictureHeight);
    if (!w->texture_) return nullptr;
    const std::vector<uint32_t> emblem = GameEmblem(kIconSize);
    w->SetIcon(emblem.data(), kIconSize, kIconSize);
    SDL_SetRenderDrawColor(w->renderer_, 0, 0, 0, 255);
    SDL_RenderClear(w->renderer_);
    SDL_RenderPresent(w->renderer_);
    return w;
}

SdlWindow::~SdlWindow() { Destroy(); }

void SdlWindow::Destroy() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) {
        SDL_DestroyWindow(window_);
        ++lossCount_;
    }
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void SdlWindow::PresentPicture(const uint32_t* pixels, int width, int height, int pitch) {
    if (!window_ || minimised_) {
        SDL_Delay(1000 / kFramesPerSecond);
        return;
    }
    // An unchanged picture is still in the texture and on screen: nothing
    // to upload or draw, only the frame's time to let pass.
    if (pixels) {
        SDL_Rect area{0, 0, std::min(width, kPictureWidth), std::min(height, kPictureHeight)};
        SDL_UpdateTexture(texture_, &area, pixels, pitch * static_cast<int>(sizeof(uint32_t)));
        ShowLastPicture();
    }
    PaceFrame();
}

void SdlWindow::ShowLastPicture() {
    if (!renderer_) return;
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(renderer_, &outW, &outH);
    const PictureViewport v = FitPicture(outW, outH);
    const SDL_Rect target{v.x, v.y, v.width, v.height};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
}

// Holds the rate at 60 frames a second at most, sleeping out the rest of the
// frame, so an idle screen does not burn a processor core where presenting
// does not wait for the display's refresh (some drivers claim to wait and do
// not) or where nothing was presented because nothing changed. Where the
// present did wait, the frames already come a refresh apart and nothing is
// added.
void SdlWindow::PaceFrame() {
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    const uint64_t frame = frequency / kFramesPerSecond;
    const uint64_t slack = frequency / 500;  // 2 ms
    const uint64_t now = SDL_GetPerformanceCounter();
    if (lastFrameAt_ != 0 && now + slack < lastFrameAt_ + frame) {
        SDL_Delay(static_cast<uint32_t>((lastFrameAt_ + frame - now) * 1000 / frequency));
    }
    lastFrameAt_ = SDL_GetPerformanceCounter();
}

void SdlWindow::SetIcon(const uint32_t* pixels, int width, int height) {
    if (!window_ || !pixels) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(pixels), width, height, 32, width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

void SdlWindow::ToggleFullScreen() {
    if (!window_) return;
    // Where no window manager runs, covering the screen is being full screen.
    SDL_Rect screen{}, shown{};
    const bool known = SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &screen) == 0;
    SDL_GetWindowPosition(window_, &shown.x, &shown.y);
    SDL_GetWindowSize(window_, &shown.w, &shown.h);
    const bool covering = known && SDL_RectEquals(&screen, &shown);
    const bool full = covering || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    if (full) {
        SDL_SetWindowFullscreen(window_, 0);
        SDL_SetWindowSize(window_, kPictureWidth, kPictureHeight);
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        // Covering the screen first makes it full screen also where no
        // window manager carries out the request.
        if (known) {
            SDL_SetWindowPosition(window_, screen.x, screen.y);
            SDL_SetWindowSize(window_, screen.w, screen.h);
        }
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    ShowLastPicture();
}

void SdlWindow::Minimise() {
    if (window_) SDL_MinimizeWindow(window_);
}

void SdlWindow::Restore() {
    if (window_) SDL_RestoreWindow(window_);
}

bool SdlWindow::NoteMinimised(bool minimised) {
    if (minimised == minimised_) return false;
    minimised_ = minimised;
    if (minimised) ++lossCount_;
    return true;
}

Point SdlWindow::ToPicture(int wx, int wy, bool& inside) const {
    Point p;
    if (!window_ || !renderer_) {
        inside = false;
        return p;
    }
    // Events come in window units, which differ from the drawing size on
    // screens that scale windows up.
    int winW = 0, winH = 0;
    SDL_GetWindowSize(window_, &winW, &winH);
    inside = WindowToPicture(FitPicture(winW, winH), wx, wy, p);
    return p;
}
