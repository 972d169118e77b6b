// What a seat is told of the turns it did not see: each row changes a copy of
// a small battle and lists the news seat 0 must get, in slot order.
#include "game/turn_changes.h"

#include <functional>

#include "rules_fixture.h"

namespace {

std::string Facets(const UnitNews& n) {  // M moved, C converted, D damaged, R repaired
    return std::string(n.Moved() ? "M" : "") + (n.Converted() ? "C" : "") + (n.Damaged() ? "D" : "") +
           (n.Repaired() ? "R" : "");
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
    struct News { UnitFate fate; int slot; const char* facets; bool marked; };
    struct Case {
        const char* name;
        std::function<void(GameState&)> change;
        std::vector<News> news;
        bool fogOfWar = true;
    };
    const auto add = [](int slot, int x, int y, int owner) {
        return [=](GameState& s) { s.units[slot] = Unit{kActive, kAir, owner, 50, x, y}; };
    };
    const std::vector<Case> cases = {
        {"nothing", [](GameState&) {}, {}},
        {"enemy bought in sight", add(4, 8, 2, 1), {{UnitFate::kNew, 4, "", true}}},
        {"enemy bought out of sight", add(4, 2, 9, 1), {}},
        {"own unit lost", [](GameState& s) { s.units[0].state = kFree; }, {{UnitFate::kGone, 0, "", true}}},
        {"own unit damaged", [](GameState& s) { s.units[0].health -= 1; }, {{UnitFate::kChanged, 0, "D", true}}},
        {"enemy repaired", [](GameState& s) { s.units[2].health += 1; }, {{UnitFate::kChanged, 2, "R", false}}},
        {"enemy moved in sight", [](GameState& s) { s.units[2].x = 7; }, {{UnitFate::kChanged, 2, "M", true}}},
        {"enemy converted", [](GameState& s) { s.units[2].type = kAir; }, {{UnitFate::kChanged, 2, "C", false}}},
        {"enemy fell in sight", [](GameState& s) { s.units[2].state = kFree; }, {{UnitFate::kGone, 2, "", false}}},
        {"fog hides an enemy move", [](GameState& s) { s.units[3].x = 21; }, {}},
        {"enemy came out of the fog", [](GameState& s) { s.units[3].x = 8, s.units[3].y = 8; },
         {{UnitFate::kNew, 3, "", true}}},
        {"enemy went into the fog", [](GameState& s) { s.units[2].x = 20; }, {{UnitFate::kLeft, 2, "", false}}},
        {"own slot reused by the enemy", add(0, 4, 2, 1),
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
            ASSERT_EQ(MarkedTile(n, 0, x, y), c.news[i].marked);
            const Unit& at = n.fate == UnitFate::kGone ? game.state.units[n.slot] : now.units[n.slot];
            EXPECT_TRUE(!c.news[i].marked || (x == at.x && y == at.y));
        }
    }
}

// The report names the loss and where, and every open seat out of the game or
// with a new score; a closed seat is never told of.
TEST_F(TurnChangesTest, TheReportGroupsUnitsAndPlayersUnderHeadings) {
    OpenSeat(2, false);
    GameState now = game.state;
    now.units[1].state = kFree, now.players[1].lifeState = kDying;
    now.players[2].score += 30, now.players[3].score += 30;
    EXPECT_EQ(TurnChangeLines(CompareTurns(game.state, now, 27, 0, true), now),
              (std::vector<std::string>{"YOUR UNITS", "YOUR BASE DESTROYED AT 3,3", "", "PLAYERS", "PLAYER 2 IS OUT",
                                        "PLAYER 3 SCORE 0 TO 30"}));
}

}  // namespace
