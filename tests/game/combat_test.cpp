// Attacks: the damage roll, the TANK block, the faction specials, destruction,
// elimination, awards, the status line and the sounds.
#include "game/combat.h"
#include "game/unit_types.h"
#include "rules_fixture.h"
#include "support/seeds.h"

namespace {

class CombatTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        // Both seats keep a base far away so that they survive ordinary attacks.
        farBase = Place(25, 25, 1, kBase);
        Place(0, 26, 0, kBase);
    }
    static std::function<bool(const Game&)> Says(std::string text) {
        return [text](const Game& g) { return g.statusMessage.rfind(text, 0) == 0; };
    }
    // A FIREBIRD at (9, 9) of power 16 (rolls 4 to 8), a third seat in play,
    // and a FIREBOMB on `target` coming with the roll's most damage, 8.
    int SeedFirebomb(int target) {
        OpenSeat(2, true);
        P(0).faction = kFirebird, P(0).powerLevel = 16;
        const int bird = Place(9, 9, 0, kStandard);
        const auto attack = [=](Game& g) {
            g.state.units[target].health = 500, g.state.units[target].type = kStandard, Attack(g, bird, target);
        };
        SeedWhere(attack, Says("* FIREBOMB * : DAMAGE = 8 "));
        return bird;
    }
    int farBase = -1;
};

// Power level 10, over many rolls.
TEST_F(CombatTest, TheRollSpansHalfToAllThePowerHalvedByATankAtLeastOne) {
    struct Case { int attacker, target, least, most; const char* status; const char* sound; };
    const Case cases[] = {
        {kTank, kStandard, 5, 10, "TANK ATTACK : DAMAGE = ", "Sounds\\Attack-Tank.wav"},
        {kTank, kTank, 2, 5, "TANK ATTACK : DAMAGE = ", "Sounds\\Attack-Tank.wav"},
        {kAir, kStandard, 1, 2, "AIR ATTACK : DAMAGE = ", "Sounds\\Attack-Air.wav"},
        {kAir, kTank, 1, 1, "AIR ATTACK : DAMAGE = ", "Sounds\\Attack-Air.wav"},
        {kStandard, kStandard, 2, 5, "STANDARD ATTACK : DAMAGE = ", "Sounds\\Attack-Standard.wav"},
        {kArtillery, kArtillery, 2, 5, "ARTILLERY ATTACK : DAMAGE = ", "Sounds\\Attack-Artillery.wav"},
        {kBase, kAir, 2, 5, "BASE ATTACK : DAMAGE = ", "Sounds\\Attack-Base.wav"},
    };
    P(0).faction = kWasp;  // at full health a WASP's special never shows
    for (const Case& c : cases) {
        const int attacker = Place(5, 5, 0, c.attacker);
        const int target = Place(6, 5, 1, c.target);
        int least = 1000, most = 0;
        game.rng.Seed(1);
        for (int attack = 0; attack < 300; ++attack) {
            U(target).health = 990;
            sounds.clear();
            Attack(game, attacker, target);
            const int damage = 990 - U(target).health;
            least = std::min(least, damage), most = std::max(most, damage);
            ASSERT_EQ(game.statusMessage, c.status + std::to_string(damage) + " : AWARD = 10");
            ASSERT_EQ(sounds, (Sounds{c.sound}));
        }
        EXPECT_EQ(least, c.least) << c.status;
        EXPECT_EQ(most, c.most) << c.status;
        // One draw for the roll, and a STANDARD unit's one for its special.
        game.rng.Seed(1);
        const uint32_t after = StateAfter(c.attacker == kStandard ? 2 : 1);
        Attack(game, attacker, target);
        EXPECT_EQ(game.rng.state, after) << c.status;
        U(attacker).state = U(target).state = kFree;
    }
}

// A hit to zero destroys the unit and pays 50 more, one point left survives;
// a computer seat's attacks are silent and leave no wreck.
TEST_F(CombatTest, AUnitAtZeroIsDestroyedAtOneItSurvives) {
    struct Case { int health, human, state, award; Sounds sounds; };
    const Case cases[] = {
        {9, 1, kDestroyed, 60, {"Sounds\\Attack-Tank.wav", "Sounds\\Explosion-Unit.wav"}},
        {10, 1, kActive, 10, {"Sounds\\Attack-Tank.wav"}},
        {9, 0, kFree, 60, {}},
    };
    const int tank = Place(5, 5, 0, kTank);
    for (const Case& c : cases) {
        const int target = Place(6, 5, 1, kStandard);
        SeedWhere([=](Game& g) { Attack(g, tank, target); }, Says("TANK ATTACK : DAMAGE = 9"));
        U(target).health = c.health, P(0).isHuman = c.human;
        sounds.clear();
        const int energy = P(0).energy;
        Attack(game, tank, target);
        EXPECT_EQ(U(target).state * 100 + U(target).health, c.state * 100 + c.health - 9) << c.health;
        EXPECT_EQ(game.statusMessage, "TANK ATTACK : DAMAGE = 9 : AWARD = " + std::to_string(c.award) +
                                          (c.state == kActive ? "" : " : * 1 UNITS DESTROYED *"));
        EXPECT_EQ(sounds, c.sounds);
        EXPECT_EQ(P(0).energy, energy + c.award);
        U(target).state = kFree;
    }
}

// A STANDARD attacker's special draws a number below 100 after the roll; when
// it falls below the faction's chance (and, for a WASP, the unit is hurt) its
// line, sound and effect replace the plain attack's.
TEST_F(CombatTest, EachFactionsSpecialShowsOnlyWhenItsDrawWins) {
    using Effect = bool (*)(const Unit& attacker, const Unit& target, const Unit& neighbour);
    struct Case { int faction, chance, health; const char *status, *sound; Effect effect; };
    const auto healed = [](const Unit& a, const Unit&, const Unit&) { return a.health == 20; };
    const Case cases[] = {
        {kWasp, 40, 3, "* STINGER * : DAMAGE = ", "Sounds\\Special-Stinger.wav", healed},
        {kWasp, 40, 19, "* STINGER * : DAMAGE = ", "Sounds\\Special-Stinger.wav", healed},
        {kWasp, 40, 20, nullptr, nullptr, nullptr},  // nothing to heal: no special
        {kPanther, 25, 10, "* DIRECT-HIT * : DAMAGE = 40 : AWARD = 60 : * 1 UNITS DESTROYED *",
         "Sounds\\Special-Direct-Hit.wav",
         [](const Unit&, const Unit& t, const Unit&) { return t.state == kDestroyed; }},
        {kRaptor, 30, 10, "* FREE-ATTACK * : DAMAGE = ", "Sounds\\Special-Free-Attack.wav",
         [](const Unit& a, const Unit&, const Unit&) { return a.canAttack == 1; }},
        {kFirebird, 35, 10, "* FIREBOMB * : DAMAGE = ", "Sounds\\Special-Firebomb.wav",
         [](const Unit&, const Unit&, const Unit& n) { return n.health < 40; }},
    };
    P(0).powerLevel = 20, P(1).powerLevel = 40;
    for (const Case& c : cases) {
        for (const bool wins : {true, false}) {
            SCOPED_TRACE(std::to_string(c.faction) + (wins ? " wins" : " loses"));
            P(0).faction = c.faction;
            const int attacker = Place(5, 5, 0, kStandard);
            const int target = Place(6, 5, 1, kTank);
            const int neighbour = Place(6, 6, 1, kStandard);
            U(target).health = 40;
            const int draw = wins ? c.chance - 1 : c.chance;  // the last winning draw, the first losing one
            game.rng.Seed(FirstSeed([draw](Rng& r) {
                r.Draw();  // the damage roll comes first
                return r.Below(100) == draw;
            }));
            U(attacker).health = c.health, U(attacker).canAttack = 0;
            sounds.clear();
            const uint32_t after = StateAfter(2);
            Attack(game, attacker, target);
            EXPECT_EQ(game.rng.state, after);
            const bool shows = wins && c.status;
            EXPECT_EQ(game.statusMessage.rfind(shows ? c.status : "STANDARD ATTACK : DAMAGE = ", 0), 0u)
                << game.statusMessage;
            EXPECT_EQ(sounds.front(), shows ? c.sound : "Sounds\\Attack-Standard.wav");
            if (c.effect) {
                EXPECT_EQ(c.effect(U(attacker), U(target), U(neighbour)), shows);
            }
            U(attacker).state = U(target).state = U(neighbour).state = kFree;
        }
    }
}

// The blast reaches all eight tiles around the target but not the target or
// the attacker's own units; against a TANK the roll is halved, and the blast
// is half of that.
TEST_F(CombatTest, TheBlastHurtsEveryOtherPlayerAllAroundAndIsHalvedTwiceByATank) {
    const int tank = Place(10, 10, 1, kTank);
    U(tank).health = 50;
    const int bird = SeedFirebomb(tank);
    Place(0, 25, 2, kBase);
    std::vector<int> ring;
    for (int x = 9; x <= 11; ++x)
        for (int y = 9; y <= 11; ++y)
            if (UnitAt(game, x, y) < 0) ring.push_back(Place(x, y, 1 + (x + y) % 2, kStandard));
    const int farAway = Place(12, 10, 1, kStandard);
    Attack(game, bird, tank);
    EXPECT_EQ(U(tank).health, 50 - 4);  // hit once only
    EXPECT_EQ(U(bird).health, 16);      // own units stand in the blast unhurt
    for (int slot : ring) EXPECT_EQ(U(slot).health, 10 - 2) << U(slot).x << "," << U(slot).y;
    EXPECT_EQ(U(farAway).health, 10);
    EXPECT_EQ(game.statusMessage, "* FIREBOMB * : DAMAGE = 4 : AWARD = 10");
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Special-Firebomb.wav"}));
}

// Blast victims pay their own award besides the kill; a unit still exploding
// is not destroyed twice; one blast can put two players out: a human one is
// told and its units explode, a computer one vanishes.
TEST_F(CombatTest, OneBlastCanDestroyAndEliminateSeveral) {
    U(farBase).state = kFree;
    const int target = Place(10, 10, 1, kBase);
    const int bird = SeedFirebomb(target);
    P(2).isHuman = 0;
    OpenSeat(3, true), P(3).lifeState = kDead;  // no base, long gone: not eliminated again
    const int otherBase = Place(11, 11, 2, kBase);
    const int neighbour = Place(10, 11, 1, kStandard);
    const int wreck = Place(11, 9, 1, kStandard);
    const int humanStraggler = Place(20, 5, 1, kAir);
    const int computerStraggler = Place(20, 20, 2, kTank);
    U(target).health = U(otherBase).health = 1;
    U(neighbour).health = 4;  // the blast of half the roll destroys it exactly
    U(wreck).state = kDestroyed, U(wreck).explosionFrame = 9;
    Attack(game, bird, target);
    EXPECT_EQ(U(neighbour).state, kDestroyed);
    EXPECT_EQ(U(wreck).explosionFrame, 9);
    EXPECT_EQ(U(humanStraggler).state, kDestroyed);
    EXPECT_EQ(U(computerStraggler).state, kFree);
    for (int seat = 0; seat < kSeats; ++seat) {
        EXPECT_EQ(P(seat).lifeState, (std::array{kAlive, kDying, kDead, kDead})[seat]) << seat;
        EXPECT_EQ(P(seat).destroyer, (std::array{-1, 0, 0, -1})[seat]) << seat;
        EXPECT_EQ(P(seat).destroyedNotice, (std::array<int, kSeats>{0, 1, 1, 0})) << seat;
    }
    // The attack 10; the blast's base 250 + 50 and unit 50 + 50; the target
    // base 250 + 50; two eliminations 1250 each.
    EXPECT_EQ(P(0).energy, 10 + 10 + 300 + 100 + 300 + 2500);
    EXPECT_EQ(P(0).score, 10 + 300 + 100 + 300 + 2500);
    EXPECT_EQ(game.statusMessage, "* FIREBOMB * : DAMAGE = 8 : AWARD = 3210 : * 3 UNITS DESTROYED *");
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Special-Firebomb.wav", "Sounds\\Explosion-Base.wav",
                              "Sounds\\Explosion-Player.wav", "Sounds\\Explosion-Player.wav"}));
}

}  // namespace
