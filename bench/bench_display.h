#pragma once
// A display on the fake platform for benchmarks of drawing: set up in a
// scratch folder (it writes its log there), its off-screen pictures filled
// with solid cells, the input cleared and the buttons made. Undone on exit.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "game/state.h"
#include "platform/fake_platform.h"
#include "platform/input.h"
#include "ui/buttons.h"
#include "ui/display.h"

class BenchDisplay {
public:
    BenchDisplay() {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() / ("kv-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
        SetPlatform(&fake_);
        display = Display{};
        display.WinHandle = fake_.CreateMainWindow("Korvessa");
        display.screenWidth = 1024;
        display.screenHeight = 768;
        display.bitsPerPixel = 32;
        display.offscreenCount = 3;
        ok_ = display.Setup();
        if (!ok_) return;
        for (DrawSurface* s : display.offscreenSurfaces) {
            uint32_t* p = s->Pixels();
            for (int i = 0; i < s->Pitch() * s->Height(); ++i) p[i] = (i % 7) ? 0x405060u : 0u;
        }
        ResetInput();
        InitButtons(buttonTable, kFactionNames);
    }
    ~BenchDisplay() {
        display.Shutdown();
        SetPlatform(nullptr);
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    BenchDisplay(const BenchDisplay&) = delete;
    BenchDisplay& operator=(const BenchDisplay&) = delete;

    bool Ok() const { return ok_; }
    FakePlatform& Fake() { return fake_; }

private:
    FakePlatform fake_;
    std::filesystem::path previous_, folder_;
    bool ok_ = false;
};
