#pragma once
// What changed for a seat between two moments of a game (its last end of
// turn and now), told only as far as the seat could know it. Worked out from
// the two games alone: the saved game keeps no history.
#include <string>
#include <vector>

#include "game/state.h"

// What became of one unit slot.
enum class UnitFate {
    kChanged,  // the same unit: moved, converted, damaged or repaired
    kGone,     // destroyed (for another seat's unit: gone from a tile in sight)
    kNew,      // bought, a new base, or another seat's unit come into sight
    kLeft,     // another seat's unit gone from sight, whereabouts unknown
};

struct UnitNews {
    UnitFate fate = UnitFate::kChanged;
    int slot = 0;
    int owner = 0;
    int type = kStandard;     // now; for kGone and kLeft what it was
    int oldType = kStandard;  // before; the same as type unless converted
    int fromX = -1, fromY = -1;  // where it stood before (-1 for kNew)
    int x = -1, y = -1;          // where it stands now (-1 for kGone and kLeft)
    int oldHealth = 0, health = 0;

    bool Moved() const { return fate == UnitFate::kChanged && (x != fromX || y != fromY); }
    bool Converted() const { return fate == UnitFate::kChanged && type != oldType; }
    bool Damaged() const { return fate == UnitFate::kChanged && health < oldHealth; }
    bool Repaired() const { return fate == UnitFate::kChanged && health > oldHealth; }
    bool operator==(const UnitNews&) const = default;
};

struct SeatNews {
    int seat = 0;
    int oldScore = 0, score = 0;
    bool eliminated = false;  // was playing, is now out
    bool operator==(const SeatNews&) const = default;
};

struct TurnChanges {
    int seat = 0;
    std::vector<UnitNews> units;  // in slot order; the seat's own and others' alike
    std::vector<SeatNews> seats;  // open seats whose score or life changed

    bool Empty() const { return units.empty() && seats.empty(); }
};

// Whether two games are moments of one game: the same name, type, start date
// and world seed. A file replaced by another game of the same name is not.
bool IsSameGame(const GameState& a, int mapSeedA, const GameState& b, int mapSeedB);

// The changes for `seat` from `before` to `now` on a map of `mapSize`. Another
// seat's unit is told of only where the seat could see it: a unit seen now,
// or one it saw before whose old tile it still sees. With fogOfWar off every
// tile counts as seen.
TurnChanges CompareTurns(const GameState& before, const GameState& now, int mapSize, int seat, bool fogOfWar);

// The tile to mark on the map for a piece of news, when it deserves one: the
// seat's own units hit or destroyed, and other seats' units new or moved in
// sight. False when there is nothing to mark.
bool MarkedTile(const UnitNews& news, int seat, int& x, int& y);

// The report as lines of upper-case text, grouped under headings; none when
// nothing changed. Seat names and factions are taken from `now`.
std::vector<std::string> TurnChangeLines(const TurnChanges& changes, const GameState& now);
