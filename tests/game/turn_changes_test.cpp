// What a seat is told of the turns it did not see: each case changes a copy
// of a small battle and lists the news seat 0 must get, in slot order.
#include "game/turn_changes.h"

#include <functional>

#include "game/unit_types.h"
#include "rules_fixture.h"

namespace {

struct Expected {
    UnitFate fate;
    int slot;
    const char* facets;  // M moved, C converted, D damaged, R repaired
    bool marked;
};

struct Case {
    const char* name;
    std::function<void(GameState&)> change;
    std::vector<Expected> news;
    bool fogOfWar = true;
};

std::string Facets(const UnitNews& n) {
    std::string f;
    if (n.Moved()) f += 'M';
    if (n.Converted()) f += 'C';
    if (n.Damaged()) f += 'D';
    if (n.Repaired()) f += 'R';
    return f;
}

class TurnChangesTest : public RulesTest {
protected:
    // Seat 0 sees columns and rows 0..8 (a STANDARD at 2,2, a BASE at 3,3);
    // seat 1 has a TANK in that sight and a STANDARD far off in the fog.
    void SetUp() override {
        RulesTest::SetUp();
        Place(2, 2, 0, kStandard);
        Place(3, 3, 0, kBase);
        Place(6, 6, 1, kTank);
        Place(20, 20, 1, kStandard);
    }
};

TEST_F(TurnChangesTest, EverySlotStoryAsSeatZeroCanKnowIt) {
    const auto add = [](GameState& s, int slot, int x, int y, int owner, int type) {
        s.units[slot] = Unit{kActive, type, owner, 50, x, y};
    };
    const std::vector<Case> cases = {
        {"nothing", [](GameState&) {}, {}},
        {"enemy bought in sight", [&](GameState& s) { add(s, 4, 7, 7, 1, kStandard); }, {{UnitFate::kNew, 4, "", true}}},
        {"enemy bought in fog", [&](GameState& s) { add(s, 4, 22, 22, 1, kStandard); }, {}},
        {"enemy bought at the edge of sight", [&](GameState& s) { add(s, 4, 8, 2, 1, kAir); },
         {{UnitFate::kNew, 4, "", true}}},
        {"enemy bought just past it", [&](GameState& s) { add(s, 4, 9, 2, 1, kAir); }, {}},
        {"own unit lost", [](GameState& s) { s.units[0].state = kFree; }, {{UnitFate::kGone, 0, "", true}}},
        {"own base lost", [](GameState& s) { s.units[1].state = kFree; }, {{UnitFate::kGone, 1, "", true}}},
        {"own unit damaged", [](GameState& s) { s.units[0].health -= 1; }, {{UnitFate::kChanged, 0, "D", true}}},
        {"enemy repaired", [](GameState& s) { s.units[2].health += 1; }, {{UnitFate::kChanged, 2, "R", false}}},
        {"enemy moved in sight", [](GameState& s) { s.units[2].x = 7; }, {{UnitFate::kChanged, 2, "M", true}}},
        {"enemy converted", [](GameState& s) { s.units[2].type = kArtillery; },
         {{UnitFate::kChanged, 2, "C", false}}},
        {"enemy fell in sight", [](GameState& s) { s.units[2].state = kFree; }, {{UnitFate::kGone, 2, "", false}}},
        {"fog hides an enemy move", [](GameState& s) { s.units[3].x = 21; }, {}},
        {"enemy came out of the fog", [](GameState& s) { s.units[3].x = 8, s.units[3].y = 8; },
         {{UnitFate::kNew, 3, "", true}}},
        {"enemy went into the fog", [](GameState& s) { s.units[2].x = 20; }, {{UnitFate::kLeft, 2, "", false}}},
        {"own slot reused by the enemy",
         [&](GameState& s) { add(s, 0, 4, 2, 1, kStandard); },
         {{UnitFate::kGone, 0, "", true}, {UnitFate::kNew, 0, "", true}}},
        {"fog off shows a far move", [](GameState& s) { s.units[3].x = 21; }, {{UnitFate::kChanged, 3, "M", true}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameState now = game.state;
        c.change(now);
        const TurnChanges changes = CompareTurns(game.state, now, 27, 0, c.fogOfWar);
        ASSERT_EQ(changes.units.size(), c.news.size());
        for (size_t i = 0; i < c.news.size(); ++i) {
            const UnitNews& n = changes.units[i];
            EXPECT_EQ(n.fate, c.news[i].fate);
            EXPECT_EQ(n.slot, c.news[i].slot);
            EXPECT_EQ(Facets(n), c.news[i].facets);
            int x = -1, y = -1;
            EXPECT_EQ(MarkedTile(n, 0, x, y), c.news[i].marked);
            const Unit& at = n.fate == UnitFate::kGone ? game.state.units[n.slot] : now.units[n.slot];
            if (c.news[i].marked) {
                EXPECT_TRUE(x == at.x && y == at.y);
            }
        }
    }
}

TEST_F(TurnChangesTest, SeatsOutAndScoresChanged) {
    OpenSeat(2, false);
    GameState now = game.state;
    now.players[1].lifeState = kDying;
    now.players[2].score += 30;
    now.players[3].score += 30;  // a closed seat is never told of
    const TurnChanges changes = CompareTurns(game.state, now, 27, 0, true);
    ASSERT_EQ(changes.seats.size(), 2u);
    EXPECT_TRUE(changes.seats[0].eliminated);
    EXPECT_EQ(changes.seats[0].seat, 1);
    EXPECT_FALSE(changes.seats[1].eliminated);
    EXPECT_EQ(changes.seats[1].score - changes.seats[1].oldScore, 30);
}

TEST_F(TurnChangesTest, LinesNameWhatWasLostAndWhere) {
    GameState now = game.state;
    EXPECT_TRUE(TurnChangeLines(CompareTurns(game.state, now, 27, 0, true), now).empty());
    now.units[1].state = kFree;
    const std::vector<std::string> lines = TurnChangeLines(CompareTurns(game.state, now, 27, 0, true), now);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find(TypeName(kBase)), std::string::npos);
    EXPECT_NE(lines[1].find("3,3"), std::string::npos);
}

}  // namespace
