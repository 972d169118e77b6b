// What one frame of every screen costs, run through the screen's own loop on
// the fake platform with the game's generated pictures: the mean of 60
// frames once the screen has settled, in processor time. Nothing changes on
// these screens while they are measured, so each frame is what a screen
// waiting for the player costs: pumping the messages, drawing the whole
// picture and finding it equal to the one shown.
#include <benchmark/benchmark.h>

#include <time.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "game/orders.h"
#include "game/unit_types.h"
#include "platform/fake_platform.h"
#include "save/saved_game.h"
#include "screens/human_turn.h"
#include "screens/screens.h"
#include "screens/setup_buttons.h"
#include "platform/input.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/popup.h"
#include "world/terrain.h"

namespace {

namespace fs = std::filesystem;

// The processor time of this thread, seconds: frames are timed by it, so
// other programs sharing the machine do not count.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

constexpr int kSettleFrames = 10;
constexpr int kMeasuredFrames = 60;

// A display on a fresh fake window in a scratch data folder holding the
// generated art; the game's globals as at start. Undone on exit.
class ScreenBench {
public:
    ScreenBench() {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("kv-screen-bench-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "Saved Games");
        for (const char* name : {"Images", "Terrain", "Sounds"})
            fs::create_directory_symlink(fs::path(KV_BENCH_DATA) / name, folder_ / name);
        fs::current_path(folder_);
        SetPlatform(&fake_);
        ResetSharedObjects();
        theGame.hooks.tickCount = [this] { return fake_.TickCount(); };
        cursorFrame = 0;
        fake_.SetCursor(500, 400);  // away from the edges, which scroll maps
        display.WinHandle = fake_.CreateMainWindow("Korvessa");
        display.screenWidth = 1024;
        display.screenHeight = 768;
        display.bitsPerPixel = 32;
        display.offscreenCount = 3;
        ok_ = display.Setup();
    }
    ~ScreenBench() {
        display.Shutdown();
        SetPlatform(nullptr);
        fs::current_path(previous_);
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    ScreenBench(const ScreenBench&) = delete;
    ScreenBench& operator=(const ScreenBench&) = delete;

    bool Ok() const { return ok_; }
    FakePlatform& Fake() { return fake_; }

    // Runs the screen until it has shown its settled frames, then closes the
    // window (which ends every screen); the mean time of a frame, seconds,
    // or 0 when the screen ended before.
    double TimeFrames(const std::function<int()>& screen) {
        double from = 0, to = 0;
        const int first = fake_.Frames() + kSettleFrames;
        fake_.At(first, [&](FakePlatform&) { from = ThreadSeconds(); });
        fake_.At(first + kMeasuredFrames, [&](FakePlatform& f) {
            to = ThreadSeconds();
            f.Close();
        });
        screen();
        return (to - from) / kMeasuredFrames;
    }

private:
    FakePlatform fake_;
    fs::path previous_, folder_;
    bool ok_ = false;
};

// A game of `seats` seats on a map of `size` tiles, every seat set up and
// alive, seat 0 human and to play; with `crowded`, every unit slot in use.
void MakeGame(int gameType, int size, int seats, bool crowded) {
    GameState& s = theGame.state;
    s.gameType = gameType;
    ResetGameState(theGame);
    s.gameName = "BENCH";
    s.terrainName = "TEMPERATE.BMP";
    s.startDate = "SUNDAY, DECEMBER 6, 2026 21:00:00";
    s.turn = 12;
    for (int seat = 0; seat < seats; ++seat) {
        Player& p = s.players[seat];
        p.seatOpen = 1;
        p.setupDone = 1;
        p.lifeState = kAlive;
        p.isHuman = seat == 0 ? 1 : 0;
        p.name = "SEAT " + std::to_string(seat + 1);
    }
    theGame.map.mapSize = size;
    theGame.map.mapSeed = 7;
    GenerateTerrain(theGame);
    MakeSaveFileName(theGame);
    if (crowded) {
        for (int slot = 0; slot < kMaxUnits; ++slot)
            CreateUnit(theGame, 1 + slot % 16, 1 + slot / 16, slot % seats, slot % 5 == 0 ? kBase : kStandard);
    } else {
        for (int seat = 0; seat < seats; ++seat)
            CreateUnit(theGame, seat % 2 ? size - 3 : 2, seat / 2 ? size - 3 : 2, seat, kBase);
    }
    theGame.fogOfWar = 0;
}

// One benchmark of a screen: `arrange` sets the game up on the bench
// display, then the screen runs. Every iteration sets up a display and loads
// the pictures, which is not timed but takes far longer than the frames, so
// the iterations are few and fixed.
void TimeScreen(benchmark::State& state, const std::function<void(ScreenBench&)>& arrange,
                const std::function<int()>& screen) {
    for (auto _ : state) {
        ScreenBench bench;
        if (!bench.Ok()) {
            state.SkipWithError("the display could not be set up");
            return;
        }
        arrange(bench);
        const double frame = bench.TimeFrames(screen);
        if (frame <= 0) {
            state.SkipWithError("the screen ended before its frames were measured");
            return;
        }
        state.SetIterationTime(frame);
    }
}

void BM_MainMenuScreen(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench&) {}, MainMenuScreen);
}

void BM_SetupScreen(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench&) {
        theGame.state.gameType = kSinglePlayer;
        ResetGameState(theGame);
        ResetSetupButtons(kSinglePlayer);
    }, SetupScreen);
}

void BM_LoadGameScreen(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench&) {
        for (int type : {kSinglePlayer, kHotSeat, kPlayByMail}) {
            MakeGame(type, 45, 4, false);
            SaveGameToFile(theGame);
        }
        theGame = Game{};
    }, LoadGameScreen);
}

void BM_HelpScreen(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench&) {}, RunHelpScreen);
}

void BM_DetailsScreen(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench&) { MakeGame(kHotSeat, 63, 4, true); }, RunDetailsScreen);
}

void BM_TurnScreenHugeCrowded(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench&) {
        MakeGame(kHotSeat, 63, 4, true);
        for (Player& p : theGame.state.players) p.isHuman = 1;
        theGame.state.players[0].viewX = 0;
        theGame.state.players[0].viewY = 0;
        SaveGameToFile(theGame);
    }, RunHumanTurn);
}

void BM_GameOverScreenHugeCrowded(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench& bench) {
        MakeGame(kHotSeat, 63, 4, true);
        bench.Fake().Key(VK_RETURN, 13, 2);  // past the winner's box
    }, RunGameOver);
}

void BM_PopupBox(benchmark::State& state) {
    TimeScreen(state, [](ScreenBench&) {
        popupBox.prompt = "ENTER VICTORY TURN";
        popupBox.text = "25";
        popupBox.hint = "(10 TO 100)";
        popupBox.inputShown = 1;
        popupBox.maxLength = 3;
    }, [] { return popupBox.RunPopup(); });
}

}  // namespace

BENCHMARK(BM_MainMenuScreen)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetupScreen)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGameScreen)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HelpScreen)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailsScreen)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnScreenHugeCrowded)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GameOverScreenHugeCrowded)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PopupBox)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
