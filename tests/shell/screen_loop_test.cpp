// The screen loop: each screen's result names the next one.
#include "shell/screen_loop.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "platform/fake_platform.h"

namespace {

TEST(ScreenLoop, StartsAtTheMainMenuWithTheStartSoundAndResultsAboveOneHundredNameTheNextScreen) {
    FakePlatform fake;
    SetPlatform(&fake);
    // Help and back, a new game's set-up, end of turn, hand-over, a human
    // turn, a computer turn, the game-over view, then a failure.
    std::deque<int> answers = {100, 110, 160, 190, 170, 200, 190, 170, 210, 190, 170, 180, 110, 120, 14};
    std::vector<int> visited;
    ScreenTable screens;  // every screen notes that it ran and answers from the script
    for (int i = 0; i < kScreenCount; ++i) {
        screens[i] = [&, id = kScreenIds[i]] {
            visited.push_back(id);
            if (answers.empty()) return static_cast<int>(kFatal);
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
    EXPECT_EQ(RunScreens(screens), kFatal);
    EXPECT_EQ(visited, (std::vector<int>{10, 0, 10, 60, 90, 70, 100, 90, 70, 110, 90, 70, 80, 10, 20}));
    EXPECT_EQ(fake.sounds, (std::vector<std::string>{"Sounds\\Start.wav"}));
    SetPlatform(nullptr);
}

}  // namespace
