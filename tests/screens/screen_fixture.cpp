#include "screen_fixture.h"

#include <memory>

#include "screens/human_turn.h"
#include "support/fake_display.h"

void ScreenTest::SetUp() {
    FakeMachineTest::SetUp();
    // Enough frames for any screen to finish what the script started; a
    // screen still waiting after that is stuck, and the closed window ends it.
    fake.frameLimit = 600;
    window = UseFakePlatform(fake);
    cursorFrame = 0;
    player.Start();
    fake.SetCursor(500, 400);  // away from the screen's edges, which scroll the map
    display = GameDisplay(window);
    ASSERT_TRUE(display.Setup());
}

void ScreenTest::NewGame(int gameType, const std::vector<std::string>& names, int mapSize, int mapSeed) {
    theGame = PlayedGame(gameType, names, mapSize, mapSeed);
    theGame.hooks.tickCount = [this] { return fake.TickCount(); };
    theGame.hooks.playSound = [this](const std::string& file) { fake.PlaySound(file); };
}

void ScreenTest::Then(std::function<void()> action, int settleFrames) {
    // The picture shown when the input is found taken may still be the one
    // drawn before it was acted on: the frames are counted from then.
    auto takenAt = std::make_shared<int>(-1);
    player.When("a step of the script", [this, takenAt, settleFrames] {
        if (window->IsMinimised()) return true;  // no frames come until it is restored
        if (input.clickPending || input.keyPressed || InputWaiting()) *takenAt = -1;
        else if (*takenAt < 0) *takenAt = fake.Frames();
        return *takenAt >= 0 && fake.Frames() - *takenAt >= settleFrames;
    }, [action = std::move(action)](FakePlatform&) { action(); });
}

void ScreenTest::ClickAt(std::function<Point()> where, int button) {
    Then([this, where, button] { button == 1 ? fake.Click(where().x, where().y) : fake.RightClick(where().x, where().y); });
}

void ScreenTest::ClickAt(int x, int y, int button) { ClickAt([x, y] { return Point{x, y}; }, button); }

void ScreenTest::ClickTile(int x, int y, int button) {
    ClickAt([x, y] { return TileOnScreen(x, y); }, button);
}

void ScreenTest::ClickButtonId(int id, int button) {
    const Rect& r = buttonTable[id].rect;  // read when the click is made: boxes move their buttons
    ClickAt([&r] { return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }, button);
}

void ScreenTest::Press(int virtualKey, int character) {
    Then([this, virtualKey, character] { fake.Key(virtualKey, character); });
}

void ScreenTest::TypeKeys(std::string_view text) {
    for (char c : text) Then([this, c] { fake.Type(std::string(1, c)); });
}

bool ScreenTest::TurnShown() const {
    return TextShown(838, 530, theGame.state.players[theGame.state.currentPlayer].name);
}

void TurnTest::SetUp() {
    ScreenTest::SetUp();
    NewGame();
    base = CreateUnit(theGame, 2, 2, 0, kBase);
    soldier = CreateUnit(theGame, 2, 4, 0, kStandard);
    other = CreateUnit(theGame, 4, 2, 0, kStandard);
    enemyBase = CreateUnit(theGame, 24, 24, 1, kBase);
}

void TurnTest::StartViewAt(int x, int y) {
    theGame.state.players[0].viewX = x;
    theGame.state.players[0].viewY = y;
    ASSERT_TRUE(SaveGameToFile(theGame));
}

void TurnTest::EndTurn() {
    ClickButtonId(kEndTurnButton);
    EXPECT_EQ(RunHumanTurn(), GoTo(kEndTurnScreen));
}
