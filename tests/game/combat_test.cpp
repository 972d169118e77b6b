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
    int farBase = -1;
    const Unit& U(int slot) const { return game.state.units[slot]; }
    const Player& P(int seat) const { return game.state.players[seat]; }
};

TEST_F(CombatTest, ATankRollsBetweenHalfAndAllOfThePowerLevel) {
    const int tank = Place(5, 5, 0, kTank);
    const int target = Place(6, 5, 1, kStandard);
    game.state.players[1].powerLevel = 990;
    game.state.units[target].health = 990;
    SeedSo([](Rng& r) { return Spread(r.Draw(), 6) == 0; });
    const uint32_t after = StateAfter(1);
    Attack(game, tank, target);
    EXPECT_EQ(game.rng.state, after);  // a TANK draws once: no special
    EXPECT_EQ(U(target).health, 990 - 5);
    EXPECT_EQ(game.statusMessage, "TANK ATTACK : DAMAGE = 5 : AWARD = 10");
    EXPECT_EQ(P(0).energy, 10 + 10);
    EXPECT_EQ(P(0).score, 10);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0], "Sounds\\Attack-Tank.wav");

    SeedSo([](Rng& r) { return Spread(r.Draw(), 6) == 5; });
    Attack(game, tank, target);
    EXPECT_EQ(U(target).health, 990 - 5 - 10);
}

TEST_F(CombatTest, ATankTargetHalvesTheRoll) {
    const int tank = Place(5, 5, 0, kTank);
    const int target = Place(6, 5, 1, kTank);
    SeedSo([](Rng& r) { return Spread(r.Draw(), 6) == 0; });  // a roll of 5
    Attack(game, tank, target);
    EXPECT_EQ(U(target).health, 10 - 2);
    EXPECT_EQ(game.statusMessage, "TANK ATTACK : DAMAGE = 2 : AWARD = 10");
}

TEST_F(CombatTest, EveryHitDoesAtLeastOne) {
    const int air = Place(5, 5, 0, kAir);
    const int target = Place(6, 5, 1, kTank);
    for (int roll = 0; roll < 2; ++roll) {  // an AIR unit at power 10 rolls 1 or 2
        SeedSo([roll](Rng& r) { return Spread(r.Draw(), 2) == roll; });
        const int before = U(target).health;
        Attack(game, air, target);
        EXPECT_EQ(U(target).health, before - 1) << "roll " << roll + 1;
        EXPECT_EQ(game.statusMessage, "AIR ATTACK : DAMAGE = 1 : AWARD = 10");
    }
}

TEST_F(CombatTest, ADestroyedUnitPaysSixtyAndExplodesWhenShown) {
    const int tank = Place(5, 5, 0, kTank);
    const int target = Place(6, 5, 1, kStandard);
    game.state.units[target].health = 3;
    SeedSo([](Rng& r) { return Spread(r.Draw(), 6) == 4; });
    Attack(game, tank, target);
    EXPECT_EQ(game.statusMessage, "TANK ATTACK : DAMAGE = 9 : AWARD = 60 : * 1 UNITS DESTROYED *");
    EXPECT_EQ(U(target).state, kDestroyed);
    EXPECT_EQ(U(target).explosionFrame, 0);
    EXPECT_EQ(P(0).energy, 10 + 60);
    EXPECT_EQ(P(1).lifeState, kAlive);
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Attack-Tank.wav", "Sounds\\Explosion-Unit.wav"}));
}

TEST_F(CombatTest, AComputerAttackIsSilentAndLeavesNoWreck) {
    game.state.players[1].isHuman = 0;
    game.state.currentPlayer = 1;
    Place(0, 0, 0, kBase);
    const int tank = Place(5, 5, 1, kTank);
    const int target = Place(6, 5, 0, kStandard);
    game.state.units[target].health = 1;
    Attack(game, tank, target);
    EXPECT_EQ(U(target).state, kFree);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(P(1).energy, 10 + 60);
    EXPECT_EQ(P(0).energy, 10);
}

class SpecialTest : public CombatTest {
protected:
    int Attacker(int faction) {
        game.state.players[0].faction = faction;
        return Place(5, 5, 0, kStandard);
    }
    int Victim(int type) {
        game.state.players[1].powerLevel = 500;
        return Place(6, 5, 1, type);
    }
    // Seeds for a damage roll (0 = least) and a percentile below or from a chance.
    void SeedRoll(int spread, int width, int chance, bool wins) {
        SeedSo([=](Rng& r) {
            const bool rolled = Spread(r.Draw(), width) == spread;
            return rolled && (Percentile(r.Draw()) < chance) == wins;
        });
    }
};

TEST_F(SpecialTest, StingerRepairsAWoundedAttacker) {
    const int wasp = Attacker(kWasp);
    const int target = Victim(kStandard);
    game.state.units[wasp].health = 3;
    SeedRoll(1, 4, kStingerChance, true);
    const uint32_t after = StateAfter(2);
    Attack(game, wasp, target);
    EXPECT_EQ(game.rng.state, after);
    EXPECT_EQ(U(wasp).health, 10);
    EXPECT_EQ(U(target).health, 500 - 3);
    EXPECT_EQ(game.statusMessage, "* STINGER * : DAMAGE = 3 : AWARD = 10");
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Special-Stinger.wav"}));
}

TEST_F(SpecialTest, StingerOnAFullAttackerShowsNothing) {
    const int wasp = Attacker(kWasp);
    const int target = Victim(kStandard);
    SeedRoll(0, 4, kStingerChance, true);
    Attack(game, wasp, target);
    EXPECT_EQ(game.statusMessage, "STANDARD ATTACK : DAMAGE = 2 : AWARD = 10");
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Attack-Standard.wav"}));
}

TEST_F(SpecialTest, ALostStingerDrawRepairsNothing) {
    const int wasp = Attacker(kWasp);
    const int target = Victim(kStandard);
    game.state.units[wasp].health = 3;
    SeedRoll(0, 4, kStingerChance, false);
    Attack(game, wasp, target);
    EXPECT_EQ(U(wasp).health, 3);
    EXPECT_EQ(game.statusMessage, "STANDARD ATTACK : DAMAGE = 2 : AWARD = 10");
}

TEST_F(SpecialTest, DirectHitGoesThroughATank) {
    const int panther = Attacker(kPanther);
    const int tank = Victim(kTank);
    game.state.units[tank].health = 40;
    SeedRoll(3, 4, kDirectHitChance, true);
    Attack(game, panther, tank);
    EXPECT_EQ(U(tank).state, kDestroyed);
    EXPECT_EQ(U(tank).health, -40);
    EXPECT_EQ(game.statusMessage, "* DIRECT-HIT * : DAMAGE = 40 : AWARD = 60 : * 1 UNITS DESTROYED *");
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Special-Direct-Hit.wav",
                                                "Sounds\\Explosion-Unit.wav"}));
}

TEST_F(SpecialTest, FreeAttackComesBackAgainAndAgain) {
    const int raptor = Attacker(kRaptor);
    const int target = Victim(kStandard);
    SeedSo([](Rng& r) {
        for (int i = 0; i < 3; ++i) {
            r.Draw();
            if (Percentile(r.Draw()) >= kFreeAttackChance) return false;
        }
        r.Draw();
        return Percentile(r.Draw()) >= kFreeAttackChance;
    });
    for (int i = 0; i < 3; ++i) {
        game.state.units[raptor].canAttack = 0;
        Attack(game, raptor, target);
        ASSERT_EQ(U(raptor).canAttack, 1) << "attack " << i + 1;
        EXPECT_EQ(game.statusMessage.rfind("* FREE-ATTACK * : DAMAGE = ", 0), 0u);
        EXPECT_EQ(sounds.back(), "Sounds\\Special-Free-Attack.wav");
    }
    game.state.units[raptor].canAttack = 0;
    Attack(game, raptor, target);
    EXPECT_EQ(U(raptor).canAttack, 0);
    EXPECT_EQ(game.statusMessage.rfind("STANDARD ATTACK : ", 0), 0u);
}

TEST_F(SpecialTest, OnlyTheAttackersFactionDrawsAndOnlyForStandardUnits) {
    const int raptor = Attacker(kRaptor);
    const int target = Victim(kStandard);
    game.rng.Seed(99);
    uint32_t after = StateAfter(2);
    Attack(game, raptor, target);
    EXPECT_EQ(game.rng.state, after);
    game.state.units[raptor].type = kArtillery;
    after = StateAfter(1);
    Attack(game, raptor, target);
    EXPECT_EQ(game.rng.state, after);
    EXPECT_EQ(game.statusMessage.rfind("ARTILLERY ATTACK : ", 0), 0u);
}

class FirebombTest : public SpecialTest {
protected:
    void SetUp() override {
        SpecialTest::SetUp();
        OpenSeat(2, true);
        thirdBase = Place(0, 25, 2, kBase);
    }
    int thirdBase = -1;
};

TEST_F(FirebombTest, TheBlastSparesOwnUnitsAndHurtsEveryOtherPlayer) {
    game.state.players[0].powerLevel = 16;  // M = 8, h = 4
    const int bird = Attacker(kFirebird);
    const int target = Place(6, 5, 1, kStandard);
    game.state.units[target].health = 50;
    const int own = Place(7, 5, 0, kStandard);
    const int sameSide = Place(7, 6, 1, kStandard);
    const int thirdSide = Place(5, 4, 2, kStandard);
    const int farAway = Place(8, 5, 1, kStandard);
    SeedRoll(4, 5, kFirebombChance, true);  // a roll of 8
    Attack(game, bird, target);
    EXPECT_EQ(U(target).health, 50 - 8);     // hit once only
    EXPECT_EQ(U(bird).health, 16);           // the attacker stands in the blast too
    EXPECT_EQ(U(own).health, 16);
    EXPECT_EQ(U(sameSide).health, 10 - 4);
    EXPECT_EQ(U(thirdSide).health, 10 - 4);
    EXPECT_EQ(U(farAway).health, 10);
    EXPECT_EQ(game.statusMessage, "* FIREBOMB * : DAMAGE = 8 : AWARD = 10");
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Special-Firebomb.wav"}));
}

TEST_F(FirebombTest, AgainstATankTheDamageIsHalvedTwice) {
    game.state.players[0].powerLevel = 16;
    const int bird = Attacker(kFirebird);
    const int tank = Place(6, 5, 1, kTank);
    game.state.units[tank].health = 50;
    const int nextToIt = Place(6, 6, 1, kTank);
    SeedRoll(4, 5, kFirebombChance, true);
    Attack(game, bird, tank);
    EXPECT_EQ(U(tank).health, 50 - 4);
    EXPECT_EQ(U(nextToIt).health, 10 - 2);
}

TEST_F(FirebombTest, BlastVictimsPayDouble) {
    const int bird = Attacker(kFirebird);
    const int target = Place(6, 5, 1, kStandard);
    const int neighbour = Place(6, 6, 1, kStandard);
    game.state.units[target].health = 5;
    game.state.units[neighbour].health = 2;
    SeedRoll(3, 4, kFirebombChance, true);  // a roll of 5
    Attack(game, bird, target);
    EXPECT_EQ(game.statusMessage, "* FIREBOMB * : DAMAGE = 5 : AWARD = 160 : * 2 UNITS DESTROYED *");
    EXPECT_EQ(U(neighbour).state, kDestroyed);
    EXPECT_EQ(P(0).score, 160);
}

TEST_F(FirebombTest, AWreckStillExplodingIsNotDestroyedTwice) {
    const int bird = Attacker(kFirebird);
    const int target = Place(6, 5, 1, kStandard);
    const int wreck = Place(6, 6, 1, kStandard);
    game.state.units[target].health = 50;
    game.state.units[wreck].state = kDestroyed;
    game.state.units[wreck].health = -3;
    game.state.units[wreck].explosionFrame = 9;
    SeedRoll(3, 4, kFirebombChance, true);
    Attack(game, bird, target);
    EXPECT_EQ(game.statusMessage, "* FIREBOMB * : DAMAGE = 5 : AWARD = 10");
    EXPECT_EQ(U(wreck).explosionFrame, 9);
}

TEST_F(FirebombTest, OneBlastCanEliminateTwoPlayers) {
    game.state.units[farBase].state = kFree;
    game.state.units[thirdBase].state = kFree;
    game.state.players[2].isHuman = 0;
    const int bird = Attacker(kFirebird);
    const int target = Place(6, 5, 1, kBase);
    const int otherBase = Place(7, 6, 2, kBase);
    const int straggler = Place(20, 20, 2, kTank);
    game.state.units[target].health = 1;
    game.state.units[otherBase].health = 1;
    SeedRoll(3, 4, kFirebombChance, true);
    Attack(game, bird, target);
    EXPECT_EQ(P(1).lifeState, kDying);
    EXPECT_EQ(P(2).lifeState, kDead);
    EXPECT_EQ(U(straggler).state, kFree);
    // 10, blast base 300, target base 300, two eliminations 2500.
    EXPECT_EQ(P(0).energy, 10 + 10 + 300 + 300 + 2500);
}

class EliminationTest : public CombatTest {};

TEST_F(EliminationTest, TheLastBaseTakesThePlayerAndPays1560) {
    const int tank = Place(5, 5, 0, kTank);
    const int straggler = Place(20, 5, 1, kAir);
    game.state.units[farBase].x = 6;
    game.state.units[farBase].y = 5;
    game.state.units[farBase].health = 1;
    OpenSeat(3, false);
    Place(26, 0, 3, kBase);
    Attack(game, tank, farBase);
    EXPECT_EQ(P(1).lifeState, kDying);
    EXPECT_EQ(P(1).destroyer, 0);
    for (int seat = 0; seat < kSeats; ++seat) EXPECT_EQ(P(seat).destroyedNotice[1], 1) << seat;
    EXPECT_EQ(U(farBase).state, kDestroyed);
    EXPECT_EQ(U(straggler).state, kDestroyed);  // a human loser's units explode
    EXPECT_EQ(P(0).energy, 10 + 1560);
    EXPECT_EQ(P(0).score, 1560);
    EXPECT_EQ(P(3).lifeState, kAlive);
    EXPECT_EQ(game.statusMessage.substr(game.statusMessage.find(" : AWARD")),
              " : AWARD = 1560 : * 1 UNITS DESTROYED *");
    EXPECT_EQ(sounds, (std::vector<std::string>{"Sounds\\Attack-Tank.wav", "Sounds\\Explosion-Base.wav",
                                                "Sounds\\Explosion-Player.wav"}));
}

TEST_F(EliminationTest, AComputerLoserVanishesAtOnce) {
    game.state.players[1].isHuman = 0;
    const int tank = Place(5, 5, 0, kTank);
    const int straggler = Place(20, 5, 1, kAir);
    game.state.units[farBase].x = 6;
    game.state.units[farBase].y = 5;
    game.state.units[farBase].health = 1;
    Attack(game, tank, farBase);
    EXPECT_EQ(P(1).lifeState, kDead);
    EXPECT_EQ(U(straggler).state, kFree);
}

TEST_F(EliminationTest, SeatsOutOfPlayAreNotEliminatedAgain) {
    OpenSeat(2, true);
    game.state.players[2].lifeState = kDead;  // no base, long gone
    const int tank = Place(5, 5, 0, kTank);
    const int target = Place(6, 5, 1, kStandard);
    Attack(game, tank, target);
    for (int seat = 0; seat < kSeats; ++seat) {
        EXPECT_EQ(P(seat).destroyedNotice[2], 0);
        EXPECT_EQ(P(seat).destroyedNotice[3], 0);  // closed seat
    }
    EXPECT_EQ(P(2).destroyer, -1);
    EXPECT_EQ(P(0).energy, 20);
}

}  // namespace
