#include "screen_fixture.h"

namespace {

class IdleFramesTest : public TurnTest {
protected:
    // Pictures shown over `frames` frames from the time it runs.
    void CountPictures(int frames, int& count) {
        Then([this, &count] { count = fake.Fake()->Pictures(); });
        Wait(frames);
        Then([this, &count] { count = fake.Fake()->Pictures() - count; });
    }
};

TEST_F(IdleFramesTest, NewPicturesComeOnlyWhileSomethingChanges) {
    StartViewAt(14, 0);
    int idle = -1, scrolling = -1, atTheEdge = -1, exploding = -1, afterExplosion = -1, selected = -1;
    Wait(10);
    CountPictures(30, idle);
    Then([&] { fake.SetCursor(0, 400); });
    CountPictures(10, scrolling);  // fourteen columns to the map's edge, a step each
    Wait(40);
    CountPictures(30, atTheEdge);
    Then([&] {
        fake.SetCursor(500, 400);
        theGame.state.units[other].state = kDestroyed;
        theGame.state.units[other].explosionFrame = 0;
    });
    CountPictures(40, exploding);  // 16 steps of at least 30 ms, two frames each
    CountPictures(30, afterExplosion);
    ClickTile(2, 4);
    CountPictures(30, selected);
    EndTurn();

    EXPECT_EQ(idle, 0);
    EXPECT_GE(scrolling, 3);
    EXPECT_EQ(atTheEdge, 0);
    EXPECT_GE(exploding, 8);
    EXPECT_EQ(afterExplosion, 0);
    EXPECT_GE(selected, 8) << "the selection cursor turns every animation step";
}

}  // namespace
