#include "screen_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "platform/bmp_writer.h"
#include "save/saved_game.h"
#include "screens/human_turn.h"
#include "shell/input.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/popup.h"
#include "ui/text_layout.h"
#include "world/terrain.h"

namespace fs = std::filesystem;

namespace {

// Enough frames for any screen to finish what the script started; a screen
// still waiting after that is stuck, and the closed window ends it.
constexpr int kFramesAfterScript = 600;

}  // namespace

void ScreenTest::SetUp() {
    InTempDir::SetUp();
    for (const char* folder : {"Images", "Terrain", "Sounds"}) {
        fs::create_directory_symlink(fs::path(KV_DATA_DIR) / folder, folder);
    }
    fs::create_directory("Saved Games");
    ResetDeviceFaults();
    SetPlatform(&fake);
    fake.frameLimit = kFramesAfterScript;
    window = fake.CreateMainWindow("Korvessa");
    ResetInput();
    InitButtons();
    SetDefaultSettings(settings);
    popupBox = PopupBox{};
    theGame = Game{};
    theGame.hooks.tickCount = [this] { return fake.TickCount(); };
    theGame.hooks.playSound = [this](const std::string& file) { fake.PlaySound(file); };
    cursorFrame = 0;
    // Away from the screen's edges, which scroll the map.
    fake.SetCursor(500, 400);
    display = Display{};
    display.WinHandle = window;
    display.screenWidth = 1024;
    display.screenHeight = 768;
    display.bitsPerPixel = 32;
    display.offscreenCount = 3;
    ASSERT_TRUE(display.Setup());
}

void ScreenTest::TearDown() {
    // KV_KEEP_SCREENSHOTS keeps the pictures of passing tests too, to look at.
    if (HasFailure() || std::getenv("KV_KEEP_SCREENSHOTS")) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const fs::path folder = KV_SCREENSHOT_DIR;
        fs::create_directories(folder);
        const std::string stem = std::string(info->test_suite_name()) + "." + info->name();
        int n = 0;
        for (const auto& [name, picture] : snaps_) {
            WriteBmpFile((folder / (stem + "-" + std::to_string(++n) + "-" + name + ".bmp")).string(), picture.data(),
                         1024, 768, 1024);
        }
        if (fake.Fake()) fake.Fake()->SavePictureBmp((folder / (stem + "-last.bmp")).string());
    }
    display.Shutdown();
    SetPlatform(nullptr);
    InTempDir::TearDown();
}

void ScreenTest::NewSinglePlayerGame(int mapSize, int mapSeed) {
    GameState& s = theGame.state;
    s.gameType = kSinglePlayer;
    ResetGameState(theGame);
    s.gameName = "TEST";
    s.terrainName = "TEMPERATE.BMP";
    s.startDate = "SUNDAY, DECEMBER 6, 2026 21:00:00";
    s.turn = 1;
    s.currentPlayer = 0;
    s.players[0].name = "ALICE";
    s.players[1].name = "RED COMP";
    for (int seat : {0, 1}) {
        s.players[seat].setupDone = 1;
        s.players[seat].lifeState = kAlive;
    }
    theGame.map.mapSize = mapSize;
    theGame.map.mapSeed = mapSeed;
    if (mapSeed != -1) GenerateTerrain(theGame);
    MakeSaveFileName(theGame);
}

int ScreenTest::PlaceUnit(int x, int y, int owner, int type) { return CreateUnit(theGame, x, y, owner, type); }

void ScreenTest::SaveGame() { ASSERT_TRUE(SaveGameToFile(theGame)); }

void ScreenTest::Then(std::function<void()> action, int settleFrames) {
    actions_.emplace_back(std::move(action), settleFrames);
    if (!scheduled_) ScheduleNext(settleFrames);
}

void ScreenTest::ScheduleNext(int settleFrames) {
    scheduled_ = true;
    fake.At(fake.Frames() + settleFrames, [this](FakePlatform&) {
        // The picture shown when the input is found taken may still be the
        // one drawn before it was acted on: wait a few frames more.
        if (input.clickPending || input.keyPressed) {
            waited_ = true;
            ScheduleNext(1);
            return;
        }
        if (waited_) {
            waited_ = false;
            ScheduleNext(actions_.front().second);
            return;
        }
        auto action = std::move(actions_.front().first);
        actions_.pop_front();
        action();
        scheduled_ = false;
        if (!actions_.empty()) ScheduleNext(actions_.front().second);
    });
}

void ScreenTest::ClickAt(int x, int y, int button) {
    Then([this, x, y, button] {
        if (button == 1) fake.Click(x, y);
        else fake.RightClick(x, y);
    });
}

void ScreenTest::ClickTile(int x, int y, int button) {
    Then([this, x, y, button] {
        const int px = (x - theGame.scrollX) * 64 + 32, py = (y - theGame.scrollY) * 64 + 32;
        if (button == 1) fake.Click(px, py);
        else fake.RightClick(px, py);
    });
}

void ScreenTest::ClickButtonId(int id, int button) {
    Then([this, id, button] {
        const Rect& r = buttonTable[id].rect;
        const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        if (button == 1) fake.Click(x, y);
        else fake.RightClick(x, y);
    });
}

bool ScreenTest::LabelShown(int id, std::string_view text) const {
    const Button& b = buttonTable[id];
    if (b.state == kButtonHidden || b.label != text) return false;
    const Point at = LabelOrigin(b);
    return TextShown(at.x, at.y, text, b.fontSize);
}

void ScreenTest::Press(int virtualKey, int character) {
    Then([this, virtualKey, character] { fake.Key(virtualKey, character); });
}

void ScreenTest::TypeKeys(std::string_view text) {
    for (char c : text) Then([this, c] { fake.Type(std::string(1, c)); });
}

void ScreenTest::Wait(int frames) {
    Then([] {}, frames);
}

uint32_t ScreenTest::Pixel(int x, int y) const { return fake.Fake() ? fake.Fake()->PixelAt(x, y) : 0; }

bool ScreenTest::TextShown(int x, int y, std::string_view text, int size) const {
    const int width = FontCellWidth(size);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto glyph = GlyphSource(text[i], size);
        if (!glyph || text[i] == ' ') continue;
        if (!PictureShown(x + static_cast<int>(i) * width, y, *glyph)) return false;
    }
    return true;
}

bool ScreenTest::PictureShown(int x, int y, const Rect& source, int slot) const {
    const DrawSurface* surface = display.offscreenSurfaces[slot];
    const uint32_t* pixels = surface->Pixels();
    bool anyLit = false;
    for (int dy = 0; dy < source.bottom - source.top; ++dy) {
        for (int dx = 0; dx < source.right - source.left; ++dx) {
            const uint32_t want = pixels[(source.top + dy) * surface->Pitch() + source.left + dx];
            if (want == 0) continue;
            anyLit = true;
            if (Pixel(x + dx, y + dy) != want) return false;
        }
    }
    return anyLit;
}

bool ScreenTest::PictureMostlyShown(int x, int y, const Rect& source, int slot) const {
    const DrawSurface* surface = display.offscreenSurfaces[slot];
    const uint32_t* pixels = surface->Pixels();
    int lit = 0, matching = 0;
    for (int dy = 0; dy < source.bottom - source.top; ++dy) {
        for (int dx = 0; dx < source.right - source.left; ++dx) {
            const uint32_t want = pixels[(source.top + dy) * surface->Pitch() + source.left + dx];
            if (want == 0) continue;
            ++lit;
            matching += Pixel(x + dx, y + dy) == want;
        }
    }
    return lit > 0 && matching * 4 >= lit * 3;
}

void ScreenTest::Snap(const std::string& name) {
    if (fake.Fake()) snaps_.emplace_back(name, fake.Fake()->Picture());
}
