// What the turn screen costs: one whole frame (panel, 13 x 12 tiles with
// their units, marks and markers, the buttons, the flip) and one rebuild of
// the mini-map, on a HUGE map with every unit slot in use. The frame is
// drawn 60 times a second and the mini-map after every click on the map, so
// both must stay far below 16 milliseconds.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "game/orders.h"
#include "platform/fake_platform.h"
#include "screens/human_turn.h"
#include "shell/input.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/display.h"
#include "world/terrain.h"

namespace {

// A display on the fake platform in a scratch folder, its pictures solid
// cells, and a crowded game on a HUGE map seen without fog.
class TurnScreenBench {
public:
    TurnScreenBench() {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() / ("kv-turn-bench-" + std::to_string(getpid()));
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
        MakeCrowdedGame();
    }
    ~TurnScreenBench() {
        display.Shutdown();
        SetPlatform(nullptr);
        std::filesystem::current_path(previous_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    bool Ok() const { return ok_; }

private:
    static void MakeCrowdedGame() {
        theGame = Game{};
        GameState& s = theGame.state;
        s.gameType = kHotSeat;
        ResetGameState(theGame);
        for (Player& p : s.players) p.seatOpen = 1;
        theGame.map.mapSize = 63;
        theGame.map.mapSeed = 1;
        GenerateTerrain(theGame);
        theGame.maxScrollX = 50;
        theGame.maxScrollY = 51;
        for (int slot = 0; slot < kMaxUnits; ++slot) {
            CreateUnit(theGame, 1 + slot % 16, 1 + slot / 16, slot % kSeats, slot % 5 == 0 ? kBase : kStandard);
        }
        theGame.unitCap = 60;
        theGame.unitSelected = 1;
        theGame.selectedUnit = 1;
        RefreshSelection(theGame);
        theGame.fogOfWar = 0;
        PlaceMiniMap();
    }

    FakePlatform fake_;
    std::filesystem::path previous_, folder_;
    bool ok_ = false;
};

void BM_TurnScreenFrame(benchmark::State& state) {
    TurnScreenBench bench;
    if (!bench.Ok()) {
        state.SkipWithError("the display could not be set up");
        return;
    }
    for (auto _ : state) {
        DrawPanel();
        DrawMapView();
        for (int id = 43; id <= 53; ++id) DrawButton(buttonTable[id]);
        display.Present();
    }
}
BENCHMARK(BM_TurnScreenFrame)->Unit(benchmark::kMillisecond);

void BM_BuildMiniMapHugeCrowded(benchmark::State& state) {
    TurnScreenBench bench;
    if (!bench.Ok()) {
        state.SkipWithError("the display could not be set up");
        return;
    }
    for (auto _ : state) BuildMiniMap();
}
BENCHMARK(BM_BuildMiniMapHugeCrowded)->Unit(benchmark::kMillisecond);

}  // namespace
