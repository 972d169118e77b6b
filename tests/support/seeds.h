#pragma once
// Seeds picked for the draws they give, so a test can put the generator
// exactly at a rule's edge.
#include <cstdint>
#include <functional>

#include "game/rng.h"

// The lowest seed for which `wished` holds of a generator seeded with it.
inline uint32_t FirstSeed(const std::function<bool(Rng&)>& wished) {
    for (uint32_t seed = 0;; ++seed) {
        Rng probe{seed};
        if (wished(probe)) return seed;
    }
}
