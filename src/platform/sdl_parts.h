#pragma once
// The pieces of the SDL platform, shared between its sources only.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/picture_fit.h"
#include "platform/platform.h"

// ---- Keys (sdl_keys.cpp)
// The virtual-key code of a key, 0 for keys the game has no code for.
int VirtualKeyFor(SDL_Keycode key);
// The code by the key's place on the keyboard (letters and the digit row),
// for layouts whose keys carry other symbols there; 0 elsewhere.
int VirtualKeyForPosition(SDL_Scancode position);
// What an unnamed key that still types something is reported as.
constexpr int VK_OEM_8 = 0xDF;
// The character a key makes that text input does not report (Backspace 8,
// Tab 9, Enter 13, Escape 27, Delete 127), or 0.
int ControlCharacterFor(SDL_Keycode key);

// ---- The window's emblem (window_icon.cpp): size x size, 0xAARRGGBB.
std::vector<uint32_t> GameEmblem(int size);

// ---- Whether a window manager runs on the window's desktop (sdl_window_manager.cpp)
bool DesktopHasWindowManager(SDL_Window* window);

// ---- The window (sdl_window.cpp)
class SdlWindow : public Window {
public:
    // Null when SDL cannot make the window or anything to draw with.
    static std::unique_ptr<SdlWindow> Create(const std::string& title);
    ~SdlWindow() override;

    void PresentPicture(const uint32_t* pixels, int width, int height, int pitch) override;
    void SetIcon(const uint32_t* pixels, int width, int height) override;
    bool IsMinimised() const override { return minimised_; }
    bool IsDestroyed() const override { return window_ == nullptr; }
    uint32_t LossCount() const override { return lossCount_; }
    bool IsAccelerated() const override { return accelerated_; }

    uint32_t Id() const { return id_; }
    void ToggleFullScreen();
    void Minimise();
    void Restore();
    void Destroy();
    // Window events: true when the minimised state changed.
    bool NoteMinimised(bool minimised);
    Point ToPicture(int wx, int wy, bool& inside) const;
    void ShowLastPicture();

private:
    SdlWindow() = default;
    void PaceFrame();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    uint32_t id_ = 0;
    bool minimised_ = false;
    bool accelerated_ = false;
    uint32_t lossCount_ = 0;
    uint64_t lastFrameAt_ = 0;  // in performance-counter ticks
};

// ---- Sound (sdl_sound.cpp)
class SdlSound {
public:
    SdlSound();
    ~SdlSound();
    void Play(const std::string& gameFileName);

private:
    bool open_ = false;
    std::unordered_map<std::string, void*> chunks_;  // Mix_Chunk by path
};
