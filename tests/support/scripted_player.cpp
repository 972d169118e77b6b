#include "scripted_player.h"

#include <gtest/gtest.h>

#include <memory>

void ScriptedPlayer::When(std::string what, Check ready, Act act) {
    steps_.push_back({std::move(what), std::move(ready), std::move(act)});
    if (started_ && !armed_) Arm();
}

void ScriptedPlayer::Then(std::string what, Check ready, std::function<void()> look) {
    // The picture of a frame is drawn before the frame handles its input, so
    // the looks wait for one more frame once the game is ready.
    auto seen = std::make_shared<bool>(false);
    Check settled = [ready = std::move(ready), seen] { if (*seen) return true; *seen = ready(); return false; };
    When(std::move(what), std::move(settled), [look = std::move(look)](FakePlatform&) { look(); });
}

void ScriptedPlayer::TypeLine(std::string what, Check ready, const std::string& text) {
    // The first key waits for the box; the others follow frame by frame.
    for (size_t i = 0; i < text.size(); ++i) {
        const std::string one(1, text[i]);
        When(what + " (typing)", i == 0 ? ready : Check([] { return true; }), [one](FakePlatform& f) { f.Type(one); });
    }
    When(what + " (Enter)", text.empty() ? ready : Check([] { return true; }),
         [](FakePlatform& f) { f.Key(VK_RETURN, 13); });
}

void ScriptedPlayer::Start() {
    started_ = true;
    if (!armed_) Arm();
}

void ScriptedPlayer::Arm() {
    armed_ = true;
    fake_.At(fake_.Frames() + 1, [this](FakePlatform& f) { Tick(f); });
}

void ScriptedPlayer::Tick(FakePlatform& fake) {
    armed_ = false;
    if (steps_.empty()) return;
    Step& step = steps_.front();
    if (step.ready()) {
        Act act = std::move(step.act);
        const std::string what = std::move(step.what);
        steps_.pop_front();
        waited_ = 0;
        const bool failedBefore = ::testing::Test::HasFailure();
        act(fake);
        if (!failedBefore && ::testing::Test::HasFailure() && onFailedStep) onFailedStep(what);
    } else if (++waited_ > waitLimit) {
        stuck_ = step.what;
        ADD_FAILURE() << "The player waited in vain for: " << step.what;
        steps_.clear();
        fake.Close();
    }
    if (!steps_.empty() && !armed_) Arm();
}
