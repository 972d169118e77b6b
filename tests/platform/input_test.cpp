// The window procedure and the message pump: what a frame's messages leave
// in the input record and the window state.
#include "platform/input.h"

#include <gtest/gtest.h>

#include "platform/fake_platform.h"

namespace {

class WindowProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPlatform(&fake);
        window = fake.CreateMainWindow("Korvessa");
        ResetInput();
    }
    void TearDown() override { SetPlatform(nullptr); }
    FakePlatform fake;
    Window* window = nullptr;
};

TEST_F(WindowProcTest, AKeyClearsTheTypedCharacterUntilItsCharacterArrives) {
    WindowProc(MakeMessage(WM_KEYDOWN, 'A'));
    WindowProc(MakeMessage(WM_CHAR, 'a'));
    EXPECT_EQ(std::tie(input.keyPressed, input.keyCode, input.typedChar), std::tuple(1, 'A', 'a'));
    WindowProc(MakeMessage(WM_KEYDOWN, VK_F2));
    EXPECT_EQ(input.typedChar, 0);
}

// A fast spin sends several wheel messages within one frame.
TEST_F(WindowProcTest, WheelNotchesOfOneFrameAddUpWithTheCursorWhereTheLastCame) {
    WindowProc(MakeMessage(WM_MOUSEWHEEL, MakeWheelWord(2 * kWheelNotch), MakePositionWord(5, 6)));
    WindowProc(MakeMessage(WM_MOUSEWHEEL, MakeWheelWord(-3 * kWheelNotch), MakePositionWord(50, 60)));
    EXPECT_EQ(input.wheelNotches, -1);
    EXPECT_EQ((Point{input.wheelX, input.wheelY}), (Point{50, 60}));
}

// Minimise, maximise and the menu key do nothing; a guarded close (its low
// bits belong to the window manager) only asks.
TEST_F(WindowProcTest, SystemCommandsOtherThanCloseAreSwallowedAndAGuardedCloseOnlyAsks) {
    for (uint64_t command : {SC_MINIMIZE, SC_MAXIMIZE, SC_KEYMENU}) WindowProc(MakeMessage(WM_SYSCOMMAND, command));
    windowState.closeNeedsConsent = 1;
    WindowProc(MakeMessage(WM_SYSCOMMAND, SC_CLOSE | 0x2));
    WindowMessage m;
    EXPECT_FALSE(fake.PeekMessage(m)) << "nothing was passed on to the window";
    EXPECT_EQ(input.closeRequested, 1);
}

using PumpTest = WindowProcTest;

TEST_F(PumpTest, ALossReachesEveryLoopThatWasRunningUntilItReloads) {
    PictureWatch screen;
    PictureWatch box;
    fake.Minimise();
    fake.Restore();
    EXPECT_FALSE(PumpMessages(box));
    EXPECT_FALSE(window->IsMinimised());
    box.Reloaded();
    EXPECT_TRUE(PumpMessages(box));
    EXPECT_FALSE(PumpMessages(screen)) << "the box's restore must not hide the loss from the screen beneath";
    screen.Reloaded();
    WindowProc(MakeMessage(WM_ACTIVATE, MakeActivateWord(WA_INACTIVE, false)));
    EXPECT_TRUE(PumpMessages(screen)) << "losing the focus loses no picture";
}

TEST_F(PumpTest, KeysOfOneFrameAreTakenOneAFrameInOrderWithWhatFollows) {
    const PictureWatch watch;
    fake.Type("Ab1");
    fake.Click(30, 40);
    std::string typed;
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_TRUE(PumpMessages(watch));
        EXPECT_EQ(input.clickPending, frame == 2) << "the click waits behind the keys typed before it";
        typed.push_back(static_cast<char>(input.typedChar));
        input.keyPressed = 0;
    }
    EXPECT_EQ(typed, "Ab1");
}

TEST_F(PumpTest, AKeyNoScreenTakesHoldsTheRestBackOnlyForAWhile) {
    const PictureWatch watch;
    fake.Type("AB");
    fake.Click(30, 40);
    int frames = 0;
    for (; !input.clickPending && frames < 1000; ++frames) PumpMessages(watch);
    EXPECT_GT(frames, 30);
    EXPECT_LT(frames, 100);
    EXPECT_EQ(input.typedChar, 'B');
}

// A close reaches a minimised window at once: a screen that must agree to it
// is asked without waiting for a restore (the fake would end that wait by
// closing the window), and once the window is gone every later frame ends too.
TEST_F(PumpTest, AMinimisedWindowHearsACloseAtOnceAndEveryLaterFrameEnds) {
    PictureWatch watch;
    windowState.closeNeedsConsent = 1;
    fake.Minimise();
    fake.Close();
    PumpMessages(watch);
    EXPECT_EQ(std::tie(input.closeRequested, windowState.quitReceived), std::tuple(1, 0));
    CloseWindowNow();
    EXPECT_FALSE(PumpMessages(watch));
    watch.Reloaded();
    EXPECT_FALSE(PumpMessages(watch)) << "the window is gone";
}

}  // namespace
