// The screen loop: each screen's result names the next one.
#include "shell/screen_loop.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "platform/fake_platform.h"

namespace {

// Every screen answers from a script and notes that it ran.
class ScreenLoopTest : public ::testing::Test {
protected:
    void SetUp() override { SetPlatform(&fake); }
    void TearDown() override { SetPlatform(nullptr); }

    ScreenTable Screens() {
        ScreenTable table;
        for (int i = 0; i < kScreenCount; ++i) {
            const int id = kScreenIds[i];
            table[i] = [this, id] {
                visited.push_back(id);
                if (answers.empty()) return static_cast<int>(kFatal);
                const int answer = answers.front();
                answers.pop_front();
                return answer;
            };
        }
        return table;
    }

    FakePlatform fake;
    std::deque<int> answers;
    std::vector<int> visited;
};

TEST_F(ScreenLoopTest, StartsAtTheMainMenuWithTheStartSoundAndResultsAboveOneHundredNameTheNextScreen) {
    // Help and back, a new game's set-up, end of turn, hand-over, a human
    // turn, a computer turn, the game-over view, then a failure.
    answers = {100, 110, 160, 190, 170, 200, 190, 170, 210, 190, 170, 180, 110, 120, 14};
    EXPECT_EQ(RunScreens(Screens()), kFatal);
    EXPECT_EQ(visited, (std::vector<int>{10, 0, 10, 60, 90, 70, 100, 90, 70, 110, 90, 70, 80, 10, 20}));
    EXPECT_EQ(fake.sounds, (std::vector<std::string>{"Sounds\\Start.wav"}));
}

}  // namespace
