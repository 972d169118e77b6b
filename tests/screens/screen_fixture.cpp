#include "screen_fixture.h"


#include <memory>

#include "platform/input.h"
#include "save/saved_game.h"
#include "screens/human_turn.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "ui/button_table.h"
#include "ui/display.h"
#include "ui/popup.h"
#include "ui/text_layout.h"
#include "world/terrain.h"

namespace {

// Enough frames for any screen to finish what the script started; a screen
// still waiting after that is stuck, and the closed window ends it.
constexpr int kFramesAfterScript = 600;

}  // namespace

void ScreenTest::SetUp() {
    InTempDir::SetUp();
    MakeGameFolder(".");
    ResetDeviceTestSeam();
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
    player_.onFailedStep = [this](const std::string&) { Snap("failed-step"); };
    player_.Start();
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
    WriteKeptPictures(KV_SCREENSHOT_DIR, fake.Fake(), snaps_, "KV_KEEP_SCREENSHOTS");
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
    // The picture shown when the input is found taken may still be the one
    // drawn before it was acted on: the frames are counted from then.
    auto takenAt = std::make_shared<int>(-1);
    player_.When("a step of the script", [this, takenAt, settleFrames] {
        if (window->IsMinimised()) return true;  // no frames come until it is restored
        if (input.clickPending || input.keyPressed || InputWaiting()) {
            *takenAt = -1;
            return false;
        }
        if (*takenAt < 0) *takenAt = fake.Frames();
        return fake.Frames() - *takenAt >= settleFrames;
    }, [action = std::move(action)](FakePlatform&) { action(); });
}

void ScreenTest::ClickAt(int x, int y, int button) {
    ClickWhereNow([x, y] { return Point{x, y}; }, button);
}

void ScreenTest::ClickTile(int x, int y, int button) {
    ClickWhereNow([x, y] { return Point{(x - theGame.scrollX) * 64 + 32, (y - theGame.scrollY) * 64 + 32}; }, button);
}

void ScreenTest::ClickButtonId(int id, int button) {
    ClickWhereNow([id] {
        const Rect& r = buttonTable[id].rect;
        return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }, button);
}

void ScreenTest::ClickWhereNow(std::function<Point()> where, int button) {
    Then([this, where, button] {
        const Point at = where();
        if (button == 1) fake.Click(at.x, at.y);
        else fake.RightClick(at.x, at.y);
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

