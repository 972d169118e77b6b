#include "game/turn_changes.h"

#include "game/unit_types.h"
#include "game/visibility.h"

namespace {

// What the seat saw at its last end of turn and what it sees now.
struct SeatSight {
    SightGrid before{}, now{};
    bool fogOfWar = true;

    bool SeenBefore(int x, int y) const { return !fogOfWar || before[x][y] != 0; }
    bool SeenNow(int x, int y) const { return !fogOfWar || now[x][y] != 0; }
};

UnitNews Gone(int slot, const Unit& was) {
    return {UnitFate::kGone, slot, was.owner, was.type, was.type, was.x, was.y, -1, -1, was.health, 0};
}

UnitNews New(int slot, const Unit& is) {
    return {UnitFate::kNew, slot, is.owner, is.type, is.type, -1, -1, is.x, is.y, 0, is.health};
}

UnitNews Changed(int slot, const Unit& was, const Unit& is) {
    return {UnitFate::kChanged, slot, is.owner, is.type, was.type, was.x, was.y, is.x, is.y, was.health, is.health};
}

bool AnythingChanged(const Unit& was, const Unit& is) {
    return was.x != is.x || was.y != is.y || was.type != is.type || was.health != is.health;
}

// The same unit in both games, told as far as the seat saw it.
void TellSameUnit(int slot, const Unit& was, const Unit& is, int seat, const SeatSight& sight,
                  std::vector<UnitNews>& out) {
    const bool own = is.owner == seat;
    const bool seenThen = own || sight.SeenBefore(was.x, was.y);
    const bool seenNow = own || sight.SeenNow(is.x, is.y);
    if (seenThen && seenNow) {
        if (AnythingChanged(was, is)) out.push_back(Changed(slot, was, is));
    } else if (seenNow) {
        out.push_back(New(slot, is));
    } else if (seenThen && sight.SeenNow(was.x, was.y)) {
        UnitNews left = Gone(slot, was);
        left.fate = UnitFate::kLeft;
        out.push_back(left);
    }
}

// A slot's story: the same owner in both is the same unit; otherwise what
// was there is gone and what is there is new.
void TellSlot(int slot, const Unit& was, const Unit& is, int seat, const SeatSight& sight,
              std::vector<UnitNews>& out) {
    const bool wasActive = was.state == kActive;
    const bool isActive = is.state == kActive;
    if (wasActive && isActive && was.owner == is.owner) {
        TellSameUnit(slot, was, is, seat, sight, out);
        return;
    }
    if (wasActive && (was.owner == seat || (sight.SeenBefore(was.x, was.y) && sight.SeenNow(was.x, was.y))))
        out.push_back(Gone(slot, was));
    if (isActive && (is.owner == seat || sight.SeenNow(is.x, is.y))) out.push_back(New(slot, is));
}

std::string Tile(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

std::string Change(int from, int to) { return std::to_string(from) + " TO " + std::to_string(to); }

// What happened to a unit, after its subject.
std::string Story(const UnitNews& n) {
    switch (n.fate) {
        case UnitFate::kGone: return "DESTROYED AT " + Tile(n.fromX, n.fromY);
        case UnitFate::kNew: return "NEW AT " + Tile(n.x, n.y);
        case UnitFate::kLeft: return "GONE FROM SIGHT AT " + Tile(n.fromX, n.fromY);
        case UnitFate::kChanged: break;
    }
    std::string story = n.Moved() ? "MOVED " + Tile(n.fromX, n.fromY) + " TO " + Tile(n.x, n.y)
                                  : "AT " + Tile(n.x, n.y);
    if (n.Converted()) story += ", WAS " + std::string(TypeName(n.oldType));
    if (n.Damaged()) story += ", DAMAGED " + Change(n.oldHealth, n.health);
    if (n.Repaired()) story += ", REPAIRED " + Change(n.oldHealth, n.health);
    return story;
}

std::string SeatStory(const SeatNews& n) {
    std::string story = n.eliminated ? "IS OUT" : "";
    if (n.score != n.oldScore) story += std::string(story.empty() ? "" : ", ") + "SCORE " + Change(n.oldScore, n.score);
    return story;
}

}  // namespace

bool IsSameGame(const GameState& a, int mapSeedA, const GameState& b, int mapSeedB) {
    return a.gameName == b.gameName && a.gameType == b.gameType && a.startDate == b.startDate && mapSeedA == mapSeedB;
}

TurnChanges CompareTurns(const GameState& before, const GameState& now, int mapSize, int seat, bool fogOfWar) {
    SeatSight sight;
    sight.fogOfWar = fogOfWar;
    ComputeSight(before, mapSize, seat, sight.before);
    ComputeSight(now, mapSize, seat, sight.now);
    TurnChanges changes;
    changes.seat = seat;
    for (int slot = 0; slot < kMaxUnits; ++slot)
        TellSlot(slot, before.units[slot], now.units[slot], seat, sight, changes.units);
    for (int s = 0; s < kSeats; ++s) {
        const Player& was = before.players[s];
        const Player& is = now.players[s];
        if (is.seatOpen == 0) continue;
        const bool eliminated = was.lifeState == kAlive && is.lifeState != kAlive;
        if (eliminated || was.score != is.score) changes.seats.push_back({s, was.score, is.score, eliminated});
    }
    return changes;
}

bool MarkedTile(const UnitNews& news, int seat, int& x, int& y) {
    const bool own = news.owner == seat;
    if (own && news.fate == UnitFate::kGone) {
        x = news.fromX;
        y = news.fromY;
        return true;
    }
    const bool marked = own ? news.Damaged() : news.fate == UnitFate::kNew || news.Moved();
    if (marked) {
        x = news.x;
        y = news.y;
    }
    return marked;
}

std::vector<std::string> TurnChangeLines(const TurnChanges& changes, const GameState& now) {
    std::vector<std::string> own, others, seats;
    for (const UnitNews& n : changes.units) {
        if (n.owner == changes.seat) {
            own.push_back("YOUR " + std::string(TypeName(n.type)) + " " + Story(n));
        } else {
            others.push_back(now.players[n.owner].name + ": " + TypeName(n.type) + " " + Story(n));
        }
    }
    for (const SeatNews& n : changes.seats) seats.push_back(now.players[n.seat].name + " " + SeatStory(n));
    std::vector<std::string> lines;
    const auto section = [&lines](const char* heading, const std::vector<std::string>& body) {
        if (body.empty()) return;
        if (!lines.empty()) lines.emplace_back();
        lines.emplace_back(heading);
        lines.insert(lines.end(), body.begin(), body.end());
    };
    section("YOUR UNITS", own);
    section("SEEN OF THE OTHER PLAYERS", others);
    section("PLAYERS", seats);
    return lines;
}
