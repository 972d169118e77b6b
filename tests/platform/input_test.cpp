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
    // Drains what the handling of a message queued, as the pump would.
    void Deliver() {
        WindowMessage m;
        while (fake.PeekMessage(m)) {
            if (m.message == WM_QUIT) {
                quitSeen = true;
                continue;
            }
            WindowProc(m);
        }
    }
    FakePlatform fake;
    Window* window = nullptr;
    bool quitSeen = false;
};

TEST_F(WindowProcTest, AKeyClearsTheTypedCharacterUntilItsCharacterArrives) {
    WindowProc(MakeMessage(WM_KEYDOWN, 'A'));
    WindowProc(MakeMessage(WM_CHAR, 'a'));
    EXPECT_EQ(std::tie(input.keyPressed, input.keyCode, input.typedChar), std::tuple(1, 'A', 'a'));
    WindowProc(MakeMessage(WM_KEYDOWN, VK_F2));
    EXPECT_EQ(input.typedChar, 0);
    WindowProc(MakeMessage(WM_CHAR, 0xE9));
    EXPECT_EQ(input.typedChar, -23) << "bytes above 127 are sign-extended";
}

TEST_F(WindowProcTest, OnlyTheLastClickOfAFrameCounts) {
    WindowProc(MakeMessage(WM_LBUTTONDOWN, 1, MakePositionWord(10, 20)));
    WindowProc(MakeMessage(WM_RBUTTONDOWN, 2, MakePositionWord(1000, 700)));
    EXPECT_EQ(input.clickButton, 2);
    EXPECT_EQ((Point{input.clickX, input.clickY}), (Point{1000, 700}));
}

TEST_F(WindowProcTest, MinimisingLosesThePicturesAndActivationAloneDoesNot) {
    const PictureWatch watch;
    const std::pair<uint64_t, bool> steps[] = {{MakeActivateWord(WA_INACTIVE, false), false},
                                               {MakeActivateWord(WA_INACTIVE, true), true},
                                               {MakeActivateWord(WA_ACTIVE, false), false}};
    for (const auto& [word, minimised] : steps) {
        WindowProc(MakeMessage(WM_ACTIVATE, word));
        EXPECT_EQ(windowState.appMinimised, minimised);
        EXPECT_EQ(watch.Lost(), word != steps[0].first) << "lost from the minimising on";
    }
}

TEST_F(WindowProcTest, WheelNotchesAddUpWithTheCursorWhereTheLastCame) {
    WindowProc(MakeMessage(WM_MOUSEWHEEL, MakeWheelWord(2 * kWheelNotch), MakePositionWord(5, 6)));
    WindowProc(MakeMessage(WM_MOUSEWHEEL, MakeWheelWord(-3 * kWheelNotch), MakePositionWord(50, 60)));
    EXPECT_EQ(input.wheelNotches, -1);
    EXPECT_EQ((Point{input.wheelX, input.wheelY}), (Point{50, 60}));
}

// Minimise, maximise and the menu key do nothing; a guarded close only asks;
// a close (its low bits belong to the window manager) ends the program.
TEST_F(WindowProcTest, SystemCommandsOtherThanCloseAreSwallowedAndAGuardedCloseOnlyAsks) {
    for (uint64_t command : {SC_MINIMIZE, SC_MAXIMIZE, SC_KEYMENU}) WindowProc(MakeMessage(WM_SYSCOMMAND, command));
    windowState.closeNeedsConsent = 1;
    WindowProc(MakeMessage(WM_SYSCOMMAND, SC_CLOSE | 0x2));
    Deliver();
    EXPECT_FALSE(window->IsMinimised());
    EXPECT_EQ(input.closeRequested, 1);
    EXPECT_FALSE(window->IsDestroyed());
    CloseWindowNow();
    Deliver();
    EXPECT_EQ(input.closeRequested, 0);
    EXPECT_TRUE(window->IsDestroyed());
    EXPECT_TRUE(quitSeen);
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
    EXPECT_TRUE(PumpMessages(screen));
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

TEST_F(PumpTest, ClosingEvenAMinimisedWindowEndsEveryLaterFrameToo) {
    const PictureWatch watch;
    fake.Minimise();
    fake.Close();
    EXPECT_FALSE(PumpMessages(watch));
    EXPECT_EQ(windowState.quitReceived, 1);
    EXPECT_FALSE(PumpMessages(watch));
}

TEST_F(PumpTest, AMinimisedScreenThatMustAgreeToACloseIsAskedAtOnce) {
    const PictureWatch watch;
    windowState.closeNeedsConsent = 1;
    fake.Minimise();
    fake.Close();
    PumpMessages(watch);
    EXPECT_EQ(input.closeRequested, 1);
    // The fake ends a minimised wait that nothing else would end.
    EXPECT_EQ(windowState.quitReceived, 0) << "the close waited for a restore";
}

}  // namespace
