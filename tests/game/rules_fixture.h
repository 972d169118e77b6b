#pragma once
// A small open battlefield for the rules tests: a TINY map of plain land, the
// given number of seats open and playing, every sound request recorded.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/state.h"

// A draw's percentile and its share of a damage spread, as the rules compute them.
inline int Percentile(int draw) { return static_cast<int>(draw * 100.0 / 32768.0); }
inline int Spread(int draw, int width) { return static_cast<int>(draw * static_cast<double>(width) / 32768.0); }

class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.hooks.tickCount = [] { return 777u; };
        game.hooks.playSound = [this](const std::string& file) { sounds.push_back(file); };
        game.state.gameType = kHotSeat;
        ResetGameState(game);
        game.map.mapSize = 27;
        game.maxScrollX = 27 - 13;
        game.maxScrollY = 27 - 12;
        for (int x = 0; x < kMaxMapSize; ++x)
            for (int y = 0; y < kMaxMapSize; ++y) game.map.tiles[x][y].terrain = kLand;
        for (int p = 0; p < 2; ++p) {
            game.state.players[p].lifeState = kAlive;
            game.state.players[p].setupDone = 1;
        }
        game.unitCap = UnitCapForMapSize(27);
    }

    // Opens a further seat for play.
    void OpenSeat(int seat, bool human) {
        Player& p = game.state.players[seat];
        p.seatOpen = 1;
        p.isHuman = human ? 1 : 0;
        p.lifeState = kAlive;
        p.setupDone = 1;
    }

    int Place(int x, int y, int owner, int type) { return CreateUnit(game, x, y, owner, type); }

    void SetTerrain(int x, int y, int terrain) { game.map.tiles[x][y].terrain = terrain; }
    Unit& U(int slot) { return game.state.units[slot]; }
    Player& P(int seat) { return game.state.players[seat]; }
    using Sounds = std::vector<std::string>;

    // Seeds the shared generator with the first seed whose draws satisfy the
    // wish, so a test states the draws it needs instead of magic seeds.
    void SeedSo(const std::function<bool(Rng&)>& wish) {
        for (uint32_t seed = 1; seed < 1000000; ++seed) {
            Rng probe;
            probe.Seed(seed);
            if (wish(probe)) {
                game.rng.Seed(seed);
                return;
            }
        }
        FAIL() << "no seed gives the wished draws";
    }

    // The state the generator will be in after n more draws.
    uint32_t StateAfter(int n) const {
        Rng copy = game.rng;
        for (int i = 0; i < n; ++i) copy.Draw();
        return copy.state;
    }
    // Seeds for a damage roll (spread 0 = least) and, when a special is drawn,
    // a percentile below the chance or not.
    void SeedRoll(int spread, int width, int chance = -1, bool wins = false) {
        SeedSo([=](Rng& r) {
            if (Spread(r.Draw(), width) != spread) return false;
            return chance < 0 || (Percentile(r.Draw()) < chance) == wins;
        });
    }

    Game game;
    std::vector<std::string> sounds;
};

