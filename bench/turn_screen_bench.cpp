// What the turn screen costs: one whole frame (panel, 13 x 12 tiles with
// their units, marks and markers, the buttons, the flip) and one rebuild of
// the mini-map, on a HUGE map with every unit slot in use. The frame is
// drawn 60 times a second and the mini-map after every click on the map, so
// both must stay far below 16 milliseconds.
#include <benchmark/benchmark.h>

#include "bench_display.h"
#include "game/orders.h"
#include "screens/human_turn.h"
#include "shell/shell.h"
#include "world/terrain.h"

namespace {

// The bench display with a crowded game on a HUGE map, seen without fog.
class TurnScreenBench {
public:
    TurnScreenBench() {
        if (display_.Ok()) MakeCrowdedGame();
    }
    bool Ok() const { return display_.Ok(); }

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

    BenchDisplay display_;
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
        for (int id = kFirstTurnButton; id <= kLastTurnButton; ++id) DrawButton(buttonTable[id]);
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
