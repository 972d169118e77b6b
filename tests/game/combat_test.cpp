// Attacks: the damage roll, the TANK block, the faction specials, destruction,
// elimination, awards, the status line and the sounds.
#include "game/combat.h"
#include "game/unit_types.h"
#include "rules_fixture.h"

namespace {

class CombatTest : public RulesTest {
protected:
    void SetUp() override {
        RulesTest::SetUp();
        // Both seats keep a base far away so that they survive ordinary attacks.
        farBase = Place(25, 25, 1, kBase);
        Place(0, 26, 0, kBase);
    }
    // A unit of seat 0 of the given faction at (5, 5).
    int Attacker(int faction, int type = kStandard) {
        P(0).faction = faction;
        return Place(5, 5, 0, type);
    }
    // Seeds so that this attack comes out as wished.
    void SeedAttack(int attacker, int target, const std::function<bool(const Game&)>& wished) {
        SeedWhere([=](Game& g) { Attack(g, attacker, target); }, wished);
    }
    // The attack's status line starts with `text`.
    static std::function<bool(const Game&)> Says(std::string text) {
        return [text](const Game& g) { return g.statusMessage.rfind(text, 0) == 0; };
    }
    int farBase = -1;
};

// Over many rolls at power level 10 the damage spans half the most to the
// most; a TANK takes half, and every hit does at least one point.
TEST_F(CombatTest, TheRollSpansHalfToAllThePowerHalvedByATankAtLeastOne) {
    struct Case {
        int attacker, target, least, most;
        const char* status;
        const char* sound;
    };
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
            const int energy = P(0).energy;
            Attack(game, attacker, target);
            const int damage = 990 - U(target).health;
            least = std::min(least, damage);
            most = std::max(most, damage);
            ASSERT_EQ(game.statusMessage, c.status + std::to_string(damage) + " : AWARD = 10");
            ASSERT_EQ(sounds, (Sounds{c.sound}));
            ASSERT_EQ(P(0).energy, energy + 10);
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

TEST_F(CombatTest, ADestroyedUnitPaysSixtyAndExplodesOnlyWhenAHumanPlays) {
    const int tank = Place(5, 5, 0, kTank);
    const int target = Place(6, 5, 1, kStandard);
    U(target).health = 9;
    SeedAttack(tank, target, Says("TANK ATTACK : DAMAGE = 9"));
    Attack(game, tank, target);
    EXPECT_EQ(game.statusMessage, "TANK ATTACK : DAMAGE = 9 : AWARD = 60 : * 1 UNITS DESTROYED *");
    EXPECT_EQ(U(target).state, kDestroyed);
    EXPECT_EQ(U(target).explosionFrame, 0);
    EXPECT_EQ(P(0).energy, 10 + 60);
    EXPECT_EQ(P(1).lifeState, kAlive);
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Attack-Tank.wav", "Sounds\\Explosion-Unit.wav"}));

    // A unit left with one point survives.
    const int survivor = Place(6, 6, 1, kStandard);
    U(survivor).health = 10;
    SeedAttack(tank, survivor, Says("TANK ATTACK : DAMAGE = 9"));
    Attack(game, tank, survivor);
    EXPECT_EQ(U(survivor).state, kActive);
    EXPECT_EQ(U(survivor).health, 1);

    // A computer seat's attack is silent and leaves no wreck.
    sounds.clear();
    P(1).isHuman = 0;
    game.state.currentPlayer = 1;
    const int computerTank = Place(8, 8, 1, kTank);
    const int victim = Place(9, 8, 0, kStandard);
    U(victim).health = 1;
    Attack(game, computerTank, victim);
    EXPECT_EQ(U(victim).state, kFree);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(P(1).energy, 10 + 60);
}

TEST_F(CombatTest, StingerShowsOnlyWhenItRepairs) {
    struct Case {
        int health;
        bool wins;
        int healthAfter;
        const char* status;
        const char* sound;
    };
    const Case cases[] = {
        {3, true, 10, "* STINGER * : DAMAGE = ", "Sounds\\Special-Stinger.wav"},
        {9, true, 10, "* STINGER * : DAMAGE = ", "Sounds\\Special-Stinger.wav"},
        {10, true, 10, "STANDARD ATTACK : DAMAGE = ", "Sounds\\Attack-Standard.wav"},
        {3, false, 3, "STANDARD ATTACK : DAMAGE = ", "Sounds\\Attack-Standard.wav"},
    };
    for (const Case& c : cases) {
        const int wasp = Attacker(kWasp);
        const int target = Place(6, 5, 1, kStandard);
        U(target).health = 500;
        // The draws of a hurt WASP's attack that does or does not repair it.
        SeedWhere([=](Game& g) {
                      g.state.units[wasp].health = 3;
                      Attack(g, wasp, target);
                  },
                  [=](const Game& g) { return (g.state.units[wasp].health == 10) == c.wins; });
        U(wasp).health = c.health;
        sounds.clear();
        const uint32_t after = StateAfter(2);
        Attack(game, wasp, target);
        EXPECT_EQ(game.rng.state, after);
        EXPECT_EQ(U(wasp).health, c.healthAfter);
        EXPECT_EQ(game.statusMessage.rfind(c.status, 0), 0u) << game.statusMessage;
        EXPECT_EQ(sounds, (Sounds{c.sound}));
        U(wasp).state = U(target).state = kFree;
    }
}

TEST_F(CombatTest, DirectHitGoesThroughATank) {
    const int panther = Attacker(kPanther);
    P(1).powerLevel = 500;
    const int tank = Place(6, 5, 1, kTank);
    U(tank).health = 40;
    SeedAttack(panther, tank, Says("* DIRECT-HIT *"));
    Attack(game, panther, tank);
    EXPECT_EQ(U(tank).state, kDestroyed);
    EXPECT_EQ(U(tank).health, -40);
    EXPECT_EQ(game.statusMessage, "* DIRECT-HIT * : DAMAGE = 40 : AWARD = 60 : * 1 UNITS DESTROYED *");
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Special-Direct-Hit.wav", "Sounds\\Explosion-Unit.wav"}));
}

TEST_F(CombatTest, FreeAttackComesBackAgainAndAgain) {
    const int raptor = Attacker(kRaptor);
    const int target = Place(6, 5, 1, kStandard);
    U(target).health = 500;
    // Three free attacks in a row, then none.
    int freeInARow = 0;
    bool ended = false;
    SeedWhere(
        [&](Game& g) {
            freeInARow = 0;
            ended = false;
            for (int i = 0; i < 4 && !ended; ++i) {
                g.state.units[raptor].canAttack = 0;
                Attack(g, raptor, target);
                if (g.state.units[raptor].canAttack == 1) ++freeInARow;
                else ended = true;
            }
        },
        [&](const Game&) { return freeInARow == 3 && ended; });
    for (int i = 0; i < 3; ++i) {
        U(raptor).canAttack = 0;
        Attack(game, raptor, target);
        ASSERT_EQ(U(raptor).canAttack, 1) << "attack " << i + 1;
        EXPECT_EQ(game.statusMessage.rfind("* FREE-ATTACK * : DAMAGE = ", 0), 0u);
        EXPECT_EQ(sounds.back(), "Sounds\\Special-Free-Attack.wav");
    }
    U(raptor).canAttack = 0;
    Attack(game, raptor, target);
    EXPECT_EQ(U(raptor).canAttack, 0);
    EXPECT_EQ(game.statusMessage.rfind("STANDARD ATTACK : ", 0), 0u);
}

class FirebombTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        OpenSeat(2, true);
        thirdBase = Place(0, 25, 2, kBase);
        P(0).powerLevel = 16;  // rolls 4 to 8
        bird = Attacker(kFirebird);
    }
    // A FIREBOMB with the roll's most damage, 8.
    void SeedFirebomb(int target) {
        SeedWhere(
            [target, attacker = bird](Game& g) {
                g.state.units[target].health = 500;
                g.state.units[target].type = kStandard;
                Attack(g, attacker, target);
            },
            Says("* FIREBOMB * : DAMAGE = 8 "));
    }
    int thirdBase = -1;
    int bird = -1;
};

// Against a TANK the roll is halved, and the blast is half of that. The
// blast reaches every tile around the target, the corners too.
TEST_F(FirebombTest, TheBlastSparesOwnUnitsHurtsEveryOtherPlayerAndIsHalvedTwiceByATank) {
    const int tank = Place(6, 5, 1, kTank);
    U(tank).health = 50;
    const int own = Place(7, 5, 0, kStandard);
    const int sameSide = Place(7, 6, 1, kStandard);
    const int thirdSide = Place(5, 4, 2, kStandard);
    const int farAway = Place(8, 5, 1, kStandard);
    SeedFirebomb(tank);
    Attack(game, bird, tank);
    EXPECT_EQ(U(tank).health, 50 - 4);  // hit once only
    EXPECT_EQ(U(bird).health, 16);      // the attacker stands in the blast too
    EXPECT_EQ(U(own).health, 16);
    EXPECT_EQ(U(sameSide).health, 10 - 2);
    EXPECT_EQ(U(thirdSide).health, 10 - 2);
    EXPECT_EQ(U(farAway).health, 10);
    EXPECT_EQ(game.statusMessage, "* FIREBOMB * : DAMAGE = 4 : AWARD = 10");
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Special-Firebomb.wav"}));
}

TEST_F(FirebombTest, BlastVictimsPayDoubleAndWrecksAreNotDestroyedTwice) {
    const int target = Place(6, 5, 1, kStandard);
    const int neighbour = Place(6, 6, 1, kStandard);
    const int wreck = Place(7, 4, 1, kStandard);
    U(neighbour).health = 4;  // the blast of half the roll destroys it exactly
    U(wreck).state = kDestroyed;
    U(wreck).health = -3;
    U(wreck).explosionFrame = 9;
    SeedFirebomb(target);
    U(target).health = 8;
    Attack(game, bird, target);
    EXPECT_EQ(game.statusMessage, "* FIREBOMB * : DAMAGE = 8 : AWARD = 160 : * 2 UNITS DESTROYED *");
    EXPECT_EQ(U(neighbour).state, kDestroyed);
    EXPECT_EQ(U(wreck).explosionFrame, 9);
    EXPECT_EQ(P(0).score, 160);
}

TEST_F(FirebombTest, OneBlastCanEliminateTwoPlayers) {
    U(farBase).state = kFree;
    U(thirdBase).state = kFree;
    P(2).isHuman = 0;
    const int target = Place(6, 5, 1, kBase);
    const int otherBase = Place(7, 6, 2, kBase);
    const int straggler = Place(20, 20, 2, kTank);
    SeedFirebomb(target);
    U(target).health = 1;
    U(otherBase).health = 1;
    Attack(game, bird, target);
    EXPECT_EQ(P(1).lifeState, kDying);
    EXPECT_EQ(P(2).lifeState, kDead);
    EXPECT_EQ(U(straggler).state, kFree);
    // 10, blast base 300, target base 300, two eliminations 2500.
    EXPECT_EQ(P(0).energy, 10 + 10 + 300 + 300 + 2500);
}

TEST_F(CombatTest, TheLastBaseTakesThePlayerAndPays1560) {
    const int tank = Place(5, 5, 0, kTank);
    const int straggler = Place(20, 5, 1, kAir);
    U(farBase).x = 6;
    U(farBase).y = 5;
    U(farBase).health = 1;
    OpenSeat(2, true);
    P(2).lifeState = kDead;  // no base, long gone: not eliminated again
    OpenSeat(3, false);
    Place(26, 0, 3, kBase);
    Attack(game, tank, farBase);
    EXPECT_EQ(P(1).lifeState, kDying);
    EXPECT_EQ(P(1).destroyer, 0);
    EXPECT_EQ(P(2).destroyer, -1);
    for (int seat = 0; seat < kSeats; ++seat) {
        EXPECT_EQ(P(seat).destroyedNotice, (std::array<int, kSeats>{0, 1, 0, 0})) << seat;
    }
    EXPECT_EQ(U(farBase).state, kDestroyed);
    EXPECT_EQ(U(straggler).state, kDestroyed);  // a human loser's units explode
    EXPECT_EQ(P(0).energy, 10 + 1560);
    EXPECT_EQ(P(0).score, 1560);
    EXPECT_EQ(P(3).lifeState, kAlive);
    EXPECT_EQ(game.statusMessage.substr(game.statusMessage.find(" : AWARD")),
              " : AWARD = 1560 : * 1 UNITS DESTROYED *");
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Attack-Tank.wav", "Sounds\\Explosion-Base.wav",
                              "Sounds\\Explosion-Player.wav"}));

    // A computer loser vanishes at once, units and all.
    P(3).isHuman = 0;
    const int other = Place(20, 9, 3, kAir);
    EliminatePlayer(game, 3);
    EXPECT_EQ(P(3).lifeState, kDead);
    EXPECT_EQ(U(other).state, kFree);
}

}  // namespace
