#pragma once
// The pieces of the browser platform, shared between its sources only.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

// ---- The page's canvas (web_window.cpp)
class WebWindow : public Window {
public:
    void PresentPicture(const uint32_t* pixels, int width, int height, int pitch) override;
    // A page has the browser's tab icon instead.
    void SetIcon(const uint32_t*, int, int) override {}
    bool IsMinimised() const override { return minimised_; }
    bool IsDestroyed() const override { return destroyed_; }
    uint32_t LossCount() const override { return lossCount_; }
    // The picture is drawn by the page's own canvas code, never by the game's
    // surfaces in graphics memory.
    bool IsAccelerated() const override { return false; }

    // A hidden tab counts as a minimised window: true when that changed.
    bool NoteHidden(bool hidden);
    void Destroy();

private:
    // Converts to the canvas's byte order; false when the picture is the one
    // already shown, so an unchanged frame costs no upload.
    bool Convert(const uint32_t* pixels, int width, int height, int pitch);

    std::vector<uint32_t> shown_;  // the last picture, as the game gave it
    std::vector<uint32_t> rgba_;   // the same in the canvas's byte order
    bool minimised_ = false;
    bool destroyed_ = false;
    uint32_t lossCount_ = 0;
};

// Waits for the browser's next frame, giving it control meanwhile; sleeps
// instead while the tab is hidden, where frames do not come.
void WaitForPageFrame(bool hidden);

// ---- Sound (web_sound.cpp)
// Plays a wave file of the data folder by its path; the page decodes every
// sound at start-up and plays nothing before the player's first gesture.
void PlayWebSound(const std::string& path);

// ---- The data folder in persistent storage (web_files.cpp)
// Stores every file written since the last call before the game goes on; a
// closed tab then never loses what the game wrote.
void StoreChangedFiles();
