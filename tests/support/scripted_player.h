#pragma once
// A player at the fake machine: each step waits until what it looks for is
// on the screen, then acts (a click, a key, typed text), as a person would.
// Steps run one after another, at most one per frame. A step that waits too
// long fails the test and closes the window, which ends the program's run.
#include <deque>
#include <functional>
#include <string>

#include "platform/fake_platform.h"

class ScriptedPlayer {
public:
    using Check = std::function<bool()>;
    using Act = std::function<void(FakePlatform&)>;

    explicit ScriptedPlayer(FakePlatform& fake) : fake_(fake) {}

    // Waits for `ready`, then acts. `what` names the step in a failure.
    void When(std::string what, Check ready, Act act);
    // Waits for `ready`, then runs checks of the test (they may fail it).
    void Then(std::string what, Check ready, std::function<void()> look);

    // Typed text, one character a frame as fingers do, then Enter.
    void TypeLine(std::string what, Check ready, const std::string& text);

    // Starts the script; steps added later, once it has run out, go on at
    // once. Call before the program runs.
    void Start();
    bool Done() const { return steps_.empty(); }
    // The step the player was waiting for when the script stopped, if any.
    const std::string& Stuck() const { return stuck_; }

    int waitLimit = 4000;  // frames a step may wait before it fails
    // Called with the step's name when a step makes the test fail.
    std::function<void(const std::string&)> onFailedStep;

private:
    struct Step { std::string what; Check ready; Act act; };
    void Tick(FakePlatform& fake);
    void Arm();

    FakePlatform& fake_;
    std::deque<Step> steps_;
    int waited_ = 0;
    bool started_ = false;
    bool armed_ = false;
    std::string stuck_;
};
