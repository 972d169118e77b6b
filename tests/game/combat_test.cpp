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
    int farBase = -1;
};

TEST_F(CombatTest, TheRollSpansHalfToAllThePowerHalvedByATankAtLeastOne) {
    struct Case {
        int attacker, target, spread, width, damage;
        const char* status;
    };
    const Case cases[] = {
        {kTank, kStandard, 0, 6, 5, "TANK ATTACK : DAMAGE = 5 : AWARD = 10"},
        {kTank, kStandard, 5, 6, 10, "TANK ATTACK : DAMAGE = 10 : AWARD = 10"},
        {kTank, kTank, 0, 6, 2, "TANK ATTACK : DAMAGE = 2 : AWARD = 10"},  // 5 halved
        {kAir, kTank, 0, 2, 1, "AIR ATTACK : DAMAGE = 1 : AWARD = 10"},    // 1 halved to 0, raised to 1
        {kAir, kTank, 1, 2, 1, "AIR ATTACK : DAMAGE = 1 : AWARD = 10"},
    };
    for (const Case& c : cases) {
        const int attacker = Place(5, 5, 0, c.attacker);
        const int target = Place(6, 5, 1, c.target);
        U(target).health = 990;
        sounds.clear();
        SeedRoll(c.spread, c.width);
        const uint32_t after = StateAfter(1);  // no special: one draw only
        Attack(game, attacker, target);
        EXPECT_EQ(game.rng.state, after) << c.status;
        EXPECT_EQ(U(target).health, 990 - c.damage) << c.status;
        EXPECT_EQ(game.statusMessage, c.status);
        EXPECT_EQ(sounds.size(), 1u);
        U(attacker).state = U(target).state = kFree;
    }
    EXPECT_EQ(sounds[0], "Sounds\\Attack-Air.wav");
    EXPECT_EQ(P(0).energy, 10 + 5 * 10);
    EXPECT_EQ(P(0).score, 5 * 10);
}

TEST_F(CombatTest, ADestroyedUnitPaysSixtyAndExplodesOnlyWhenAHumanPlays) {
    const int tank = Place(5, 5, 0, kTank);
    const int target = Place(6, 5, 1, kStandard);
    U(target).health = 3;
    SeedRoll(4, 6);
    Attack(game, tank, target);
    EXPECT_EQ(game.statusMessage, "TANK ATTACK : DAMAGE = 9 : AWARD = 60 : * 1 UNITS DESTROYED *");
    EXPECT_EQ(U(target).state, kDestroyed);
    EXPECT_EQ(U(target).explosionFrame, 0);
    EXPECT_EQ(P(0).energy, 10 + 60);
    EXPECT_EQ(P(1).lifeState, kAlive);
    EXPECT_EQ(sounds, (Sounds{"Sounds\\Attack-Tank.wav", "Sounds\\Explosion-Unit.wav"}));

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
        {3, true, 10, "* STINGER * : DAMAGE = 3 : AWARD = 10", "Sounds\\Special-Stinger.wav"},
        {10, true, 10, "STANDARD ATTACK : DAMAGE = 3 : AWARD = 10", "Sounds\\Attack-Standard.wav"},
        {3, false, 3, "STANDARD ATTACK : DAMAGE = 3 : AWARD = 10", "Sounds\\Attack-Standard.wav"},
    };
    for (const Case& c : cases) {
        const int wasp = Attacker(kWasp);
        const int target = Place(6, 5, 1, kStandard);
        U(target).health = 500;
        U(wasp).health = c.health;
        sounds.clear();
        SeedRoll(1, 4, kStingerChance, c.wins);
        const uint32_t after = StateAfter(2);
        Attack(game, wasp, target);
        EXPECT_EQ(game.rng.state, after);
        EXPECT_EQ(U(wasp).health, c.healthAfter);
        EXPECT_EQ(U(target).health, 500 - 3);
        EXPECT_EQ(game.statusMessage, c.status);
        EXPECT_EQ(sounds, (Sounds{c.sound}));
        U(wasp).state = U(target).state = kFree;
    }
}

TEST_F(CombatTest, DirectHitGoesThroughATank) {
    const int panther = Attacker(kPanther);
    P(1).powerLevel = 500;
    const int tank = Place(6, 5, 1, kTank);
    U(tank).health = 40;
    SeedRoll(3, 4, kDirectHitChance, true);
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
    SeedSo([](Rng& r) {
        for (int i = 0; i < 3; ++i) {
            r.Draw();
            if (Percentile(r.Draw()) >= kFreeAttackChance) return false;
        }
        r.Draw();
        return Percentile(r.Draw()) >= kFreeAttackChance;
    });
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

    // Only STANDARD units draw for a special.
    U(raptor).type = kArtillery;
    const uint32_t after = StateAfter(1);
    Attack(game, raptor, target);
    EXPECT_EQ(game.rng.state, after);
}

class FirebombTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        OpenSeat(2, true);
        thirdBase = Place(0, 25, 2, kBase);
        P(0).powerLevel = 16;  // rolls 4 to 8, the blast half of the roll
        bird = Attacker(kFirebird);
    }
    int thirdBase = -1;
    int bird = -1;
};

// Against a TANK the roll is halved, and the blast is half of that.
TEST_F(FirebombTest, TheBlastSparesOwnUnitsHurtsEveryOtherPlayerAndIsHalvedTwiceByATank) {
    const int tank = Place(6, 5, 1, kTank);
    U(tank).health = 50;
    const int own = Place(7, 5, 0, kStandard);
    const int sameSide = Place(7, 6, 1, kStandard);
    const int thirdSide = Place(5, 4, 2, kStandard);
    const int farAway = Place(8, 5, 1, kStandard);
    SeedRoll(4, 5, kFirebombChance, true);  // a roll of 8
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
    U(target).health = 8;
    U(neighbour).health = 4;  // the blast of half the roll destroys it exactly
    U(wreck).state = kDestroyed;
    U(wreck).health = -3;
    U(wreck).explosionFrame = 9;
    SeedRoll(4, 5, kFirebombChance, true);
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
    U(target).health = 1;
    U(otherBase).health = 1;
    SeedRoll(4, 5, kFirebombChance, true);
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
