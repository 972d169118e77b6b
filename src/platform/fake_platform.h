#pragma once
// A platform for tests: no real window, a virtual clock, input scripted by
// frame, sound requests recorded, and the last presented picture readable.
//
// A "frame" is one PresentPicture call. Scripted steps are tied to a frame
// number and released, in the order given, by PeekMessage once that many
// frames have been presented; while the window is minimised (no frames
// come) the next step is released at once, since time flies while nobody
// watches. The clock moves only by Sleep, WaitMessage, Advance and by
// `frameMs` at every presented frame.
//
// A run that waits for input that never comes would hang a test: once the
// script is empty, `frameLimit` presented frames (or a long idle while
// minimised) close the window, which ends any screen loop through its
// failed restore.
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

class FakePlatform;

class FakeWindow : public Window {
public:
    explicit FakeWindow(FakePlatform& platform) : platform_(platform) {}

    void PresentPicture(const uint32_t* pixels, int width, int height, int pitch) override;
    void SetIcon(const uint32_t*, int, int) override {}  // nobody looks at a test window's icon
    bool IsMinimised() const override { return minimised_; }
    bool IsDestroyed() const override { return destroyed_; }
    uint32_t LossCount() const override { return lossCount_; }
    bool IsAccelerated() const override { return accelerated; }

    // What the tests see: the last presented picture, 0x00RRGGBB.
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<uint32_t>& Picture() const { return picture_; }
    uint32_t PixelAt(int x, int y) const;
    // Pictures shown: frames that brought a picture, not those that only
    // said the last one stays.
    int Pictures() const { return pictures_; }
    // Writes the picture as a 24-bit BMP file at a real path.
    bool SavePictureBmp(const std::string& path) const;

    // Window state changes, as the window manager would make them.
    void Minimise();
    void Restore();
    void Destroy();

    bool accelerated = true;

private:
    FakePlatform& platform_;
    bool minimised_ = false;
    bool destroyed_ = false;
    uint32_t lossCount_ = 0;
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> picture_;
    int pictures_ = 0;
};

class FakePlatform : public Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    Window* CreateMainWindow(const std::string& title) override;
    Window* MainWindow() override;
    Point ScreenSize() override { return screenSize; }
    bool PeekMessage(WindowMessage& message) override;
    void WaitMessage(uint32_t timeoutMs) override;
    void PostQuit(int code) override;
    int64_t DefaultHandling(const WindowMessage& message) override;
    Point CursorPos() override { return cursor_; }
    bool CursorInWindow() override { return cursorInWindow; }
    bool KeyHeld(int virtualKey) override { return held_.count(virtualKey) > 0; }
    uint32_t TickCount() override { return clock_; }
    void Sleep(uint32_t ms) override { clock_ += ms; }
    void PlaySound(const std::string& gameFileName) override { sounds.push_back(gameFileName); }

    // ---- Script: each step happens once `frame` frames have been shown.
    // A frame of -1 means the current frame (the next PeekMessage).
    void At(int frame, std::function<void(FakePlatform&)> step);
    void Post(const WindowMessage& message, int frame = -1);
    void Click(int x, int y, int frame = -1);       // left button
    void RightClick(int x, int y, int frame = -1);
    // A key down; with a character, its WM_CHAR follows.
    void Key(int virtualKey, int character = 0, int frame = -1);
    // Typed text: each byte a key down (its virtual-key code as a keyboard
    // would give it) and its WM_CHAR.
    void Type(std::string_view text, int frame = -1);
    void Minimise(int frame = -1);  // minimise, then WM_ACTIVATE (minimised)
    void Restore(int frame = -1);   // restore, then WM_ACTIVATE (active)
    void Close(int frame = -1);     // the player closes the window: SC_CLOSE
    void DropFile(const std::string& path, int frame = -1);
    void MoveCursor(int x, int y, int frame = -1);
    // The wheel turned by `notches` (positive up) with the cursor at x, y.
    void Wheel(int notches, int x, int y, int frame = -1);
    void HoldKey(int virtualKey, bool down, int frame = -1);
    bool ScriptDone() const { return script_.empty(); }

    // ---- State the tests set or read directly.
    void SetCursor(int x, int y) { cursor_ = {x, y}; }
    void Advance(uint32_t ms) { clock_ += ms; }
    int Frames() const { return frames_; }
    FakeWindow* Fake() { return window_.get(); }

    Point screenSize{1920, 1080};
    bool windowCreationFails = false;
    bool cursorInWindow = true;  // false: the pointer has left the window
    uint32_t frameMs = 16;     // the clock's step at every presented frame
    int frameLimit = 100000;   // frames allowed after the script ran out
    std::vector<std::string> sounds;  // every PlaySound request, in order
    std::string title;                // of the window

private:
    friend class FakeWindow;
    struct Step {
        int frame;
        std::function<void(FakePlatform&)> action;
    };
    void Enqueue(const WindowMessage& message);
    void ReleaseDueSteps();
    void OnFramePresented();

    std::unique_ptr<FakeWindow> window_;
    std::vector<WindowMessage> queue_;
    std::vector<Step> script_;
    std::set<int> held_;
    Point cursor_{0, 0};
    uint32_t clock_ = 1000;
    int frames_ = 0;
    int framesSinceScript_ = 0;
    int idlePeeks_ = 0;
};
