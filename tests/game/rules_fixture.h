#pragma once
// A small open battlefield for the rules tests: a hot-seat game of two seats
// on a TINY map of plain land, every sound request recorded.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/state.h"
#include "support/game_builder.h"

class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        game = MakeTestGame(kHotSeat);
        game.hooks.playSound = [this](const std::string& file) { sounds.push_back(file); };
    }

    void OpenSeat(int seat, bool human) { ::OpenSeat(game, seat, human); }

    int Place(int x, int y, int owner, int type) { return CreateUnit(game, x, y, owner, type); }

    void SetTerrain(int x, int y, int terrain) { game.map.tiles[x][y].terrain = terrain; }
    Unit& U(int slot) { return game.state.units[slot]; }
    Player& P(int seat) { return game.state.players[seat]; }
    using Sounds = std::vector<std::string>;

    // Seeds the shared generator with the first seed under which `action`,
    // tried on a copy of the game, comes out as wished: a test names the
    // outcome it needs, not the draws behind it.
    void SeedWhere(const std::function<void(Game&)>& action, const std::function<bool(const Game&)>& wished) {
        for (uint32_t seed = 1; seed < 100000; ++seed) {
            Game probe = game;
            probe.hooks.playSound = [](const std::string&) {};
            probe.rng.Seed(seed);
            action(probe);
            if (wished(probe)) return game.rng.Seed(seed);
        }
        FAIL() << "no seed gives the wished outcome";
    }

    // The state the generator will be in after n more draws.
    uint32_t StateAfter(int n) const {
        Rng copy = game.rng;
        for (int i = 0; i < n; ++i) copy.Draw();
        return copy.state;
    }
    Game game;
    std::vector<std::string> sounds;
};

