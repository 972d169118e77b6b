#include "fake_machine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "support/fake_display.h"
#include "support/game_builder.h"
#include "ui/popup_entry.h"
#include "world/terrain.h"

namespace fs = std::filesystem;

void MakeGameFolder(const std::string& folder) {
    fs::create_directories(fs::path(folder) / "Saved Games");
    for (const char* name : {"Images", "Terrain", "Sounds"})
        fs::create_directory_symlink(fs::path(KV_DATA_DIR) / name, fs::path(folder) / name);
}

Game PlayedGame(int gameType, const std::vector<std::string>& names, int mapSize, int mapSeed) {
    Game game = MakeTestGame(gameType, mapSize);
    GameState& s = game.state;
    s.gameName = "TEST";
    s.terrainName = "TEMPERATE.BMP";
    s.startDate = "SUNDAY, DECEMBER 6, 2026 21:00:00";
    s.turn = 1;
    for (int seat = 0; seat < kSeats; ++seat) {
        s.players[seat].seatOpen = 0;
        if (seat >= static_cast<int>(names.size())) continue;
        OpenSeat(game, seat, !names[seat].ends_with(" COMP"));
        s.players[seat].name = names[seat];
    }
    game.map.mapSeed = mapSeed;
    if (mapSeed != -1) GenerateTerrain(game);
    MakeSaveFileName(game);
    return game;
}

void FakeMachineTest::SetUp() {
    InTempDir::SetUp();
    MakeGameFolder(".");
    StartMachine();
}

void FakeMachineTest::StartMachine() {
    ResetDeviceTestSeam();
    SetPlatform(&fake);
    ResetSharedObjects();
    player.onFailedStep = [this](const std::string&) { SavePicture("failed-step"); };
}

void FakeMachineTest::TearDown() {
    EXPECT_TRUE(player.Done()) << "the script was not played to its end " << player.Stuck();
    // KV_KEEP_SCREENSHOTS keeps the last picture of passing tests too, to look at.
    if (::testing::Test::HasFailure() || std::getenv("KV_KEEP_SCREENSHOTS")) SavePicture("last");
    LeaveFakePlatform(display);
    InTempDir::TearDown();
}

void FakeMachineTest::SavePicture(const std::string& name) const {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path into = fs::path(KV_SCREENSHOT_DIR) / (std::string(test->test_suite_name()) + "." + test->name());
    fs::create_directories(into);
    if (fake.Fake() && fake.Fake()->SavePictureBmp((into / (name + ".bmp")).string()))
        std::printf("A picture of the test is in %s\n", (into / (name + ".bmp")).c_str());
}

double FakeMachineTest::ShareShown(int x, int y, const Rect& source, int slot) const {
    if (!fake.Fake() || slot >= static_cast<int>(display.offscreenSurfaces.size())) return 0;
    const DrawSurface* surface = display.offscreenSurfaces[slot];
    if (!surface || !surface->Pixels()) return 0;
    int lit = 0, matching = 0;
    for (int sy = source.top; sy < source.bottom; ++sy)
        for (int sx = source.left; sx < source.right; ++sx) {
            const uint32_t want = surface->Pixels()[sy * surface->Pitch() + sx];
            lit += want != 0;
            matching += want != 0 && Pixel(x + sx - source.left, y + sy - source.top) == want;
        }
    return lit ? static_cast<double>(matching) / lit : 0;
}

bool FakeMachineTest::TextShown(int x, int y, std::string_view text, int size) const {
    bool anyGlyph = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto glyph = GlyphSource(text[i], size);
        if (!glyph || text[i] == ' ') continue;
        anyGlyph = true;
        if (ShareShown(x + static_cast<int>(i) * FontCellWidth(size), y, *glyph) < 1) return false;
    }
    return anyGlyph;
}

bool FakeMachineTest::LabelShown(int id, std::string_view label) const {
    const Button& b = buttonTable[id];
    const Point at = LabelOrigin(b);
    return b.state != kButtonHidden && (label.empty() || b.label == label) && TextShown(at.x, at.y, b.label, b.fontSize);
}

bool FakeMachineTest::BoxShows(const std::string& prompt, const std::string& text, const std::string& hint) const {
    // The box's corners and the strip between its entry line and its hint.
    const DrawSurface* sheet = display.offscreenSurfaces.empty() ? nullptr : display.offscreenSurfaces[0];
    if (!fake.Fake() || !sheet || !sheet->Pixels()) return false;
    for (auto [dx, dy] : {std::pair{2, 2}, {557, 2}, {2, 173}, {557, 173}, {4, 88}}) {
        const uint32_t want = sheet->Pixels()[(sheet::kPopupBox.top + dy) * sheet->Pitch() + sheet::kPopupBox.left + dx];
        if (Pixel(popupBox.boxLeft + dx, popupBox.boxTop + dy) != want) return false;
    }
    auto centred = [this](const std::string& line, int dy) {
        return line.empty() || TextShown(CentredTextX(line), popupBox.boxTop + dy, line, kLargeFont);
    };
    return centred(prompt, 9) && centred(text, 52) && centred(hint, 94);
}
