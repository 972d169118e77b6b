// What one frame of a menu screen costs: the background copy, seven buttons
// with their plates and labels, a line of small text and the flip. Every
// screen redraws its whole picture each frame, so this must stay far below
// the 16 milliseconds of a 60-frame second.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/fake_platform.h"
#include "shell/input.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "ui/images.h"
#include "ui/text.h"

namespace {

// A display on the fake platform, set up in a scratch folder (it writes its
// log there) and left with a sprite sheet of solid cells.
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
        InitButtons();
    }
    ~BenchDisplay() {
        display.Shutdown();
        SetPlatform(nullptr);
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    bool Ok() const { return ok_; }
    FakePlatform& Fake() { return fake_; }

private:
    FakePlatform fake_;
    std::filesystem::path previous_, folder_;
    bool ok_ = false;
};

void BM_MenuFrame(benchmark::State& state) {
    BenchDisplay bench;
    if (!bench.Ok()) {
        state.SkipWithError("the display could not be set up");
        return;
    }
    bench.Fake().SetCursor(500, 320);
    for (auto _ : state) {
        display.CopySurface(display.backSurface, display.offscreenSurfaces[kBackgroundSlot]);
        for (int id = kMainMenuFirstButton; id <= kMainMenuLastButton; ++id) DrawButton(buttonTable[id]);
        DrawText(200, 750, "KORVESSA - A LINE OF SMALL TEXT ACROSS THE FOOT OF THE SCREEN - 0123456789 ABCDEF", kSmallFont);
        display.Present();
    }
}
BENCHMARK(BM_MenuFrame)->Unit(benchmark::kMicrosecond);

void BM_DrawTextLine(benchmark::State& state) {
    BenchDisplay bench;
    if (!bench.Ok()) {
        state.SkipWithError("the display could not be set up");
        return;
    }
    for (auto _ : state) DrawText(0, 100, "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789", kLargeFont);
}
BENCHMARK(BM_DrawTextLine)->Unit(benchmark::kMicrosecond);

}  // namespace
