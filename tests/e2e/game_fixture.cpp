#include "game_fixture.h"

#include <filesystem>
#include <fstream>

#include "screens/screens.h"
#include "support/fake_display.h"
#include "world/starting_units.h"

void WriteSavedGame(Game game, const std::string& fileName) {
    PlaceStartingUnits(game);
    game.saveFileName = fileName;
    ASSERT_TRUE(SaveGameToFile(game)) << fileName;
}

int UnitOf(int owner, int type) {
    for (int i = 0; i < kMaxUnits; ++i) {
        const Unit& u = theGame.state.units[i];
        if (u.state == kActive && u.owner == owner && u.type == type) return i;
    }
    return -1;
}

void GameTest::SetUp() {
    FakeMachineTest::SetUp();
    fake.frameLimit = 3000;  // frames without a step before the run is given up
}

void GameTest::NewSession(const std::string& folder) {
    LeaveFakePlatform(display);
    // The player holds on to the platform, so both are made again in place.
    player.~ScriptedPlayer();
    fake.~FakePlatform();
    new (&fake) FakePlatform();
    new (&player) ScriptedPlayer(fake);
    StartMachine();
    fake.frameLimit = 3000;
    std::filesystem::current_path(folder);
}

void GameTest::RunToQuit() {
    const ScreenTable game = GameScreens();
    ScreenTable watched;
    int last = 0;
    for (int i = 0; i < kScreenCount; ++i) {
        watched[i] = [this, i, &last, run = game[i]] {
            screensSeen.push_back(screen_ = kScreenIds[i]);
            last = run();
            screen_ = -1;
            return last;
        };
    }
    player.Start();
    RunGame(watched);
    EXPECT_EQ(last, kQuit);
}

void GameTest::Click(FakePlatform& f, int id) const {
    const Rect& r = buttonTable[id].rect;
    f.Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void GameTest::ClickWhen(const std::string& what, std::function<bool()> ready, int id) {
    player.When(what, std::move(ready), [this, id](FakePlatform& f) { Click(f, id); });
}

void GameTest::KeyWhen(const std::string& what, std::function<bool()> ready, int virtualKey, int character) {
    player.When(what, std::move(ready), [virtualKey, character](FakePlatform& f) { f.Key(virtualKey, character); });
}

void GameTest::ClickOn(int screen, int id) {
    ClickWhen("button " + std::to_string(id),
              [this, screen, id] { return On(screen) && !PopupShowing() && LabelShown(id); }, id);
}

void GameTest::SetUpSeat(int seat, const std::string& name, const std::string& password) {
    ClickWhen("seat " + std::to_string(seat) + "'s name button", [this, seat] {
        return On(kSetupScreen) && theGame.state.currentPlayer == seat && !PopupShowing() &&
               buttonTable[kSeatNameButton + seat].state == kButtonActive && LabelShown(kSeatNameButton + seat);
    }, kSeatNameButton + seat);
    player.TypeLine("the name box", [this] { return BoxShows("ENTER YOUR NAME"); }, name);
    ClickWhen("LAUNCH", [this, seat, name] { return !PopupShowing() && buttonTable[kSeatNameButton + seat].label == name; },
              kSetupLaunchButton);
    player.TypeLine("the password box", [this] { return BoxShows("ENTER A PASSWORD TO USE"); }, password);
}

void GameTest::ContinueWith(const std::string& fileName) {
    std::ofstream("Korvessa.ini") << fileName << "\n15\n32\n--- EOF MARKER : DO NOT REMOVE ---\n";
    ClickWhen("the continue button", [this, fileName] {
        return On(kMainMenuScreen) && LabelShown(kLastGameButton, fileName.substr(0, fileName.size() - 4));
    }, kLastGameButton);
}
