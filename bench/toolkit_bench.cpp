// What one frame of a menu screen costs: the background copy, seven buttons
// with their plates and labels, a line of small text and the flip. Every
// screen redraws its whole picture each frame, so this must stay far below
// the 16 milliseconds of a 60-frame second.
#include <benchmark/benchmark.h>

#include "bench_display.h"
#include "ui/images.h"
#include "ui/text.h"

namespace {

void BM_MenuFrame(benchmark::State& state) {
    BenchDisplay bench;
    if (!bench.Ok()) {
        state.SkipWithError("the display could not be set up");
        return;
    }
    bench.Fake().SetCursor(500, 320);
    for (auto _ : state) {
        display.CopySurface(display.backSurface, display.offscreenSurfaces[kBackgroundSlot]);
        for (int id = kFirstMainMenuButton; id <= kLastMainMenuButton; ++id) DrawButton(buttonTable[id]);
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
