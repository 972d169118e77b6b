#include "game_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/unit_types.h"
#include "platform/input.h"
#include "save/saved_game.h"
#include "screens/screens.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/popup.h"
#include "ui/sprite_layout.h"
#include "ui/text_layout.h"
#include "world/starting_units.h"

namespace fs = std::filesystem;

namespace {

void ResetProgramGlobals() {
    ResetDeviceTestSeam();
    display = Display{};
    popupBox = PopupBox{};
    theGame = Game{};
    settings = Settings{};
}

}  // namespace

void GameTest::EnterFolder(const std::string& folder) { fs::current_path(folder); }

void GameTest::SetUp() {
    InTempDir::SetUp();
    MakeGameFolder(".");
    StartSession();
}

void GameTest::NewSession() {
    SetPlatform(nullptr);
    // The player holds on to the platform, so both are made again in place.
    player.~ScriptedPlayer();
    fake.~FakePlatform();
    new (&fake) FakePlatform();
    new (&player) ScriptedPlayer(fake);
    screensSeen.clear();
    StartSession();
}

void GameTest::StartSession() {
    ResetProgramGlobals();
    SetPlatform(&fake);
    fake.frameLimit = 3000;
    player.onFailedStep = [this](const std::string&) { Keep("failed-step"); };
}

void GameTest::TearDown() {
    // KV_E2E_KEEP=1 keeps the pictures of passing runs too, to look at them.
    WriteKeptPictures(KV_E2E_SHOTS, fake.Fake(), kept_, "KV_E2E_KEEP");
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
        return line.empty() || ShowsText(CentredX(line), y, line, kLargeFont);
    };
    return PopupShowing() && centred(prompt, popupBox.boxTop + 9) && centred(text, popupBox.boxTop + 52) &&
           centred(hint, popupBox.boxTop + 94);
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


void GameTest::RunToQuit() {
    RunProgram();
    EXPECT_TRUE(player.Done()) << player.Stuck();
    EXPECT_EQ(lastResult, kQuit);
}

void GameTest::ExitFromMenu() {
    ClickWhen("EXIT GAME", [this] { return On(kMainMenuScreen) && !PopupShowing() && ShowsButton(kExitGameButton); },
              kExitGameButton);
}

void GameTest::SetUpSeat(int seat, const std::string& name, const std::string& password) {
    ClickWhen("seat " + std::to_string(seat) + "'s name button", [this, seat] {
        return On(kSetupScreen) && theGame.state.currentPlayer == seat && ShowsButton(kSeatNameButton + seat) &&
               buttonTable[kSeatNameButton + seat].state == kButtonActive;
    }, kSeatNameButton + seat);
    player.TypeLine("the name box", [this] { return PopupShowing("ENTER YOUR NAME"); }, name);
    ClickWhen(
        "LAUNCH",
        [this, seat, name] { return !PopupShowing() && buttonTable[kSeatNameButton + seat].label == name; },
        kSetupLaunchButton);
    player.TypeLine("the password box", [this] { return PopupShowing("ENTER A PASSWORD TO USE"); }, password);
}

void GameTest::LaunchFirstListedGame(const std::string& fileName) {
    ClickWhen("LOAD GAME", [this] { return On(kMainMenuScreen) && ShowsButton(kLoadGameButton); }, kLoadGameButton);
    player.When(fileName + " in the list", [this, fileName] {
        return On(kLoadGameScreen) && ShowsText(16, 122, fileName, kSmallFont);
    }, [](FakePlatform& f) { f.Click(40, 127); });
    ClickWhen("LAUNCH", [this] { return ShowsButton(kLaunchSavedGameButton); }, kLaunchSavedGameButton);
}

void GameTest::ContinueWith(const std::string& fileName) {
    WriteFile("Korvessa.ini", fileName + "\n15\n32\n--- EOF MARKER : DO NOT REMOVE ---\n");
    const std::string label = fileName.substr(0, fileName.size() - 4);
    ClickWhen("the continue button", [this, label] {
        return On(kMainMenuScreen) && ShowsButton(kLastGameButton) && buttonTable[kLastGameButton].label == label;
    }, kLastGameButton);
}

void GameTest::DestroyBaseBeside(int seat, int baseOwner) {
    player.When("the turn, to select the attacker", [this] { return On(kHumanTurnScreen) && ShowsButton(kEndTurnButton); },
                [seat, baseOwner](FakePlatform& f) {
        const int attacker = UnitOf(seat, kStandard), target = UnitOf(baseOwner, kBase);
        ASSERT_GE(attacker, 0);
        ASSERT_GE(target, 0);
        Unit& base = theGame.state.units[target];
        const Unit& a = theGame.state.units[attacker];
        base.x = a.x + (a.x + 1 < theGame.map.mapSize && UnitAt(theGame, a.x + 1, a.y) < 0 ? 1 : -1);
        base.y = a.y;
        base.health = 1;
        const Point at = TileOnScreen(a.x, a.y);
        f.Click(at.x, at.y);
    });
    player.When("the base, to attack it", [] { return theGame.unitSelected != 0; }, [baseOwner](FakePlatform& f) {
        const Unit& base = theGame.state.units[UnitOf(baseOwner, kBase)];
        const Point at = TileOnScreen(base.x, base.y);
        f.RightClick(at.x, at.y);
    });
}

Game MakePlayedGame(int gameType, const std::vector<SeatPlan>& seats, int mapSeed) {
    Game game;
    game.hooks.tickCount = [] { return 4242u; };
    game.state.gameType = gameType;
    ResetGameState(game);
    game.state.gameName = "TEST";
    game.state.startDate = "SUNDAY, DECEMBER 6, 2026, 21:00:00";
    game.state.terrainName = "TEMPERATE.BMP";
    game.state.usePasswords = 0;
    for (int k = 0; k < kSeats; ++k) {
        Player& p = game.state.players[k];
        p.seatOpen = k < static_cast<int>(seats.size()) ? 1 : 0;
        if (!p.seatOpen) continue;
        p.isHuman = seats[k].human ? 1 : 0;
        p.name = seats[k].name;
        if (!seats[k].password.empty()) {
            p.password = seats[k].password;
            game.state.usePasswords = 1;
        }
        p.setupDone = 1;
        p.lifeState = kAlive;
    }
    game.state.turn = 1;
    game.state.currentPlayer = 0;
    game.map.mapSeed = mapSeed;
    game.maxScrollX = game.map.mapSize - 13;
    game.maxScrollY = game.map.mapSize - 12;
    PlaceStartingUnits(game);
    return game;
}

void WriteSavedGame(Game& game, const std::string& fileName) {
    game.saveFileName = fileName;
    ASSERT_TRUE(SaveGameToFile(game)) << fileName;
}
