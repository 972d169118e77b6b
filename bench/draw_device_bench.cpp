// The copies a map frame is made of: the visible tiles (64 x 64, plain),
// the units on them (64 x 64, colour-keyed) and the stretched button plates.
// A turn screen shows about 13 x 12 tiles and redraws them every frame, so
// all of it together must stay well inside a 60-frame second.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/fake_platform.h"
#include "ui/display.h"

namespace {

class DeviceBench {
public:
    DeviceBench() {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() / ("kv-dev-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
        SetPlatform(&fake_);
        screen.WinHandle = fake_.CreateMainWindow("Korvessa");
        screen.screenWidth = 1024;
        screen.screenHeight = 768;
        screen.bitsPerPixel = 32;
        screen.offscreenCount = 3;
        ok = screen.Setup();
        if (!ok) return;
        // Sprites with a transparent ground around a coloured middle.
        uint32_t* sheet = screen.offscreenSurfaces[0]->Pixels();
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                sheet[y * 1024 + x] = (x % 64 > 12 && x % 64 < 52) ? 0x00A05030u : 0u;
    }
    ~DeviceBench() {
        screen.Shutdown();
        SetPlatform(nullptr);
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    Display screen;
    bool ok = false;

private:
    FakePlatform fake_;
    std::filesystem::path previous_, folder_;
};

void BM_MapViewCopies(benchmark::State& state) {
    DeviceBench bench;
    if (!bench.ok) {
        state.SkipWithError("the display could not be set up");
        return;
    }
    DrawSurface* back = bench.screen.backSurface;
    DrawSurface* sheet = bench.screen.offscreenSurfaces[0];
    DrawSurface* terrain = bench.screen.offscreenSurfaces[2];
    const DdRect tile{64, 64, 128, 128};
    const DdRect unit{128, 96, 192, 160};
    for (auto _ : state) {
        for (int ty = 0; ty < 12; ++ty)
            for (int tx = 0; tx < 13; ++tx)
                back->BltFast(tx * 64, ty * 64, terrain, &tile, DDBLTFAST_WAIT);
        for (int u = 0; u < 40; ++u)
            back->BltFast((u % 13) * 64, (u / 13) * 64, sheet, &unit,
                          DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
        benchmark::DoNotOptimize(back->Pixels());
    }
}
BENCHMARK(BM_MapViewCopies)->Unit(benchmark::kMicrosecond);

void BM_StretchedPlates(benchmark::State& state) {
    DeviceBench bench;
    if (!bench.ok) {
        state.SkipWithError("the display could not be set up");
        return;
    }
    DrawSurface* back = bench.screen.backSurface;
    DrawSurface* sheet = bench.screen.offscreenSurfaces[0];
    const DdRect plate{0, 48, 184, 80};
    for (auto _ : state) {
        for (int k = 0; k < 4; ++k) {
            const DdRect target{16, 128 + 48 * k, 880, 160 + 48 * k};
            back->Blt(&target, sheet, &plate, DDBLT_WAIT, nullptr);
        }
        benchmark::DoNotOptimize(back->Pixels());
    }
}
BENCHMARK(BM_StretchedPlates)->Unit(benchmark::kMicrosecond);

}  // namespace
