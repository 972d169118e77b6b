#pragma once
// A display set up on the fake platform inside a fresh working folder, and
// the run log read back line by line.
#include <fstream>
#include <string>
#include <vector>

#include "support/fake_display.h"
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
        window = UseFakePlatform(platform);
        screen = GameDisplay(window);
    }
    void TearDown() override {
        LeaveFakePlatform(screen);
        InTempDir::TearDown();
    }
    DrawSurface* Slot(int i) { return screen.offscreenSurfaces.at(static_cast<size_t>(i)); }

    FakePlatform platform;
    Window* window = nullptr;
    Display screen;
};
