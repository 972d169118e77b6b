#include "game_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/bmp_writer.h"
#include "screens/screens.h"
#include "shell/input.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/popup.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"

namespace fs = std::filesystem;

namespace {

void ResetProgramGlobals() {
    ResetDeviceFaults();
    display = Display{};
    popupBox = PopupBox{};
    theGame = Game{};
    settings = Settings{};
}

}  // namespace

void GameTest::MakeDataFolder(const std::string& folder) {
    fs::create_directories(folder);
    for (const char* name : {"Images", "Terrain", "Sounds"}) {
        fs::create_directory_symlink(fs::path(KV_DATA_DIR) / name, fs::path(folder) / name);
    }
    fs::create_directory(fs::path(folder) / "Saved Games");
}

void GameTest::EnterFolder(const std::string& folder) { fs::current_path(folder); }

void GameTest::SetUp() {
    InTempDir::SetUp();
    MakeDataFolder(".");
    ResetProgramGlobals();
    SetPlatform(&fake);
    fake.frameLimit = 3000;
}

void GameTest::NewSession() {
    SetPlatform(nullptr);
    // The player holds on to the platform, so both are made again in place.
    player.~ScriptedPlayer();
    fake.~FakePlatform();
    new (&fake) FakePlatform();
    new (&player) ScriptedPlayer(fake);
    ResetProgramGlobals();
    screensSeen.clear();
    SetPlatform(&fake);
    fake.frameLimit = 3000;
}

void GameTest::TearDown() {
    // KV_E2E_KEEP=1 keeps the pictures of passing runs too, to look at them.
    if ((HasFailure() || std::getenv("KV_E2E_KEEP")) && fake.Fake()) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const fs::path folder = fs::path(KV_E2E_SHOTS) / (std::string(info->test_suite_name()) + "." + info->name());
        fs::create_directories(folder);
        Keep("last");
        int n = 0;
        for (const auto& [name, picture] : kept_) {
            const std::string file = (folder / (std::to_string(++n) + "-" + name + ".bmp")).string();
            WriteBmpFile(file, picture.data(), kPictureWidth, kPictureHeight, kPictureWidth);
        }
        std::printf("Screenshots of the failure are in %s\n", folder.string().c_str());
    }
    SetPlatform(nullptr);
    InTempDir::TearDown();
}

ScreenTable GameTest::WatchedScreens() {
    const ScreenTable game = GameScreens();
    ScreenTable watched;
    for (int i = 0; i < kScreenCount; ++i) {
        watched[i] = [this, i, run = game[i]] {
            screen_ = kScreenIds[i];
            screensSeen.push_back(screen_);
            const int result = run();
            screen_ = -1;
            lastResult = result;
            return result;
        };
    }
    return watched;
}

void GameTest::RunProgram() {
    player.Start();
    RunGame(WatchedScreens());
}

bool GameTest::Seen(int screen) const {
    return std::find(screensSeen.begin(), screensSeen.end(), screen) != screensSeen.end();
}

uint32_t GameTest::Pixel(int x, int y) const { return fake.Fake() ? fake.Fake()->PixelAt(x, y) : 0; }

bool GameTest::PopupShowing() const {
    if (!fake.Fake() || display.offscreenSurfaces.empty() || !display.offscreenSurfaces[0]) return false;
    const DrawSurface* sheet = display.offscreenSurfaces[0];
    const uint32_t* pixels = sheet->Pixels();
    if (!pixels) return false;
    // The box's corners and the strip between its entry line and its hint.
    for (auto [dx, dy] : {std::pair{2, 2}, {557, 2}, {2, 173}, {557, 173}, {4, 88}}) {
        const uint32_t want = pixels[(sheet::kPopupBox.top + dy) * sheet->Pitch() + sheet::kPopupBox.left + dx];
        if (Pixel(popupBox.boxLeft + dx, popupBox.boxTop + dy) != want) return false;
    }
    return true;
}

bool GameTest::PopupShowing(const std::string& prompt) const {
    return popupBox.prompt == prompt && PopupShowing();
}

bool GameTest::BoxShows(const std::string& prompt, const std::string& text, const std::string& hint) const {
    auto centred = [this](const std::string& line, int y) {
        return line.empty() || ShowsText((1024 - static_cast<int>(line.size()) * 16) / 2, y, line, kLargeFont);
    };
    return PopupShowing() && centred(prompt, popupBox.boxTop + 9) && centred(text, popupBox.boxTop + 52) &&
           centred(hint, popupBox.boxTop + 94);
}

bool GameTest::ShowsText(int x, int y, const std::string& text, int size) const {
    DrawSurface* sheet = display.offscreenSurfaces.empty() ? nullptr : display.offscreenSurfaces[0];
    if (!sheet || !sheet->Pixels() || !fake.Fake()) return false;
    const int w = size == kSmallFont ? sheet::kSmallCellWidth : sheet::kLargeCellWidth;
    const int h = size == kSmallFont ? sheet::kSmallCellHeight : sheet::kLargeCellHeight;
    int inked = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto cell = GlyphSource(text[i], size);
        if (!cell) continue;
        for (int dy = 0; dy < h; ++dy) {
            for (int dx = 0; dx < w; ++dx) {
                const uint32_t ink = sheet->Pixels()[(cell->top + dy) * sheet->Pitch() + cell->left + dx];
                if (ink == 0) continue;
                ++inked;
                if (Pixel(x + static_cast<int>(i) * w + dx, y + dy) != ink) return false;
            }
        }
    }
    return inked > 0;
}

bool GameTest::ShowsPicture(int x, int y, const Rect& source, int slot) const {
    if (slot < 0 || slot >= static_cast<int>(display.offscreenSurfaces.size())) return false;
    const DrawSurface* surface = display.offscreenSurfaces[slot];
    if (!surface || !surface->Pixels()) return false;
    int inked = 0;
    int matched = 0;
    for (int sy = source.top; sy < source.bottom; ++sy) {
        for (int sx = source.left; sx < source.right; ++sx) {
            const uint32_t ink = surface->Pixels()[sy * surface->Pitch() + sx];
            if (ink == 0) continue;
            ++inked;
            if (Pixel(x + sx - source.left, y + sy - source.top) == ink) ++matched;
        }
    }
    // Marks and markers may lie over a picture: nine pixels in ten will do.
    return inked > 0 && matched * 10 >= inked * 9;
}

bool GameTest::ShowsButton(int id) const {
    const Button& b = buttonTable[id];
    const Point at = LabelOrigin(b);
    return ShowsText(at.x, at.y, b.label, b.fontSize);
}

void GameTest::Keep(const std::string& name) {
    if (fake.Fake()) kept_.emplace_back(name, fake.Fake()->Picture());
}

void GameTest::ClickButtonNow(FakePlatform& f, int id) const {
    const Rect& r = buttonTable[id].rect;
    f.Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void GameTest::ClickWhen(const std::string& what, std::function<bool()> ready, int id) {
    player.When(what, std::move(ready), [this, id](FakePlatform& f) { ClickButtonNow(f, id); });
}

int UnitOf(int owner, int type) {
    for (int i = 0; i < kMaxUnits; ++i) {
        const Unit& u = theGame.state.units[i];
        if (u.state == kActive && u.owner == owner && u.type == type) return i;
    }
    return -1;
}

Point TileOnScreen(int x, int y) {
    return {(x - theGame.scrollX) * 64 + 32, (y - theGame.scrollY) * 64 + 32};
}

void GameTest::WriteFile(const std::string& path, const std::string& bytes) {
    if (const fs::path folder = fs::path(path).parent_path(); !folder.empty()) fs::create_directories(folder);
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string GameTest::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
