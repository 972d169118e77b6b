#pragma once
// A display set up on the fake platform inside a fresh working folder, and
// the run log read back line by line.
#include <fstream>
#include <string>
#include <vector>

#include "platform/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/display.h"

inline std::vector<std::string> ReadLogLines() {
    std::vector<std::string> lines;
    std::ifstream in("Run.log");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class DisplayTest : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        ResetDeviceFaults();
        SetPlatform(&platform);
        window = platform.CreateMainWindow("Korvessa");
        screen.WinHandle = window;
        screen.screenWidth = 1024;
        screen.screenHeight = 768;
        screen.bitsPerPixel = 32;
        screen.offscreenCount = 3;
    }
    void TearDown() override {
        screen.Shutdown();
        ResetDeviceFaults();
        SetPlatform(nullptr);
        InTempDir::TearDown();
    }
    DrawSurface* Slot(int i) { return screen.offscreenSurfaces.at(static_cast<size_t>(i)); }

    FakePlatform platform;
    Window* window = nullptr;
    Display screen;
};
