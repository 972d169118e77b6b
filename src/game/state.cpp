#include "game/state.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

uint32_t SystemTickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void ResetGameState(Game& game) {
    GameState& s = game.state;
    game.rng.Seed(game.TickCount());
    s.turn = 0;
    s.currentPlayer = 0;
    game.map.mapSeed = -1;
    s.usePasswords = 0;
    for (Unit& u : s.units) u.state = kFree;
    if (s.gameType == kPlayByMail) s.usePasswords = 1;
    for (int i = 0; i < kSeats; ++i) {
        Player& p = s.players[i];
        p.seatOpen = p.isHuman = p.setupDone = 0;
        p.lifeState = kDead;
        p.password = std::string(kPasswordPlaceholder);
        p.faction = p.colour = i;
        p.energy = 10;
        p.score = 0;
        p.destroyer = -1;
        p.powerLevel = 10;
        p.destroyedNotice = {0, 0, 0, 0};
        p.name = "PLAYER " + std::to_string(i + 1);
    }
    s.players[0].seatOpen = 1;
    s.players[0].isHuman = 1;
    s.players[1].seatOpen = 1;
    if (s.gameType != kSinglePlayer) s.players[1].isHuman = 1;
    s.gameName = "GAME-01";
    game.map.mapSize = 45;
    s.victoryType = kConquer;
    s.computerLevel = kFair;
    s.victoryScore = 10000;
    s.victoryTurn = 25;
}

int CreateUnit(Game& game, int x, int y, int owner, int type) {
    auto& units = game.state.units;
    for (int i = 0; i < kMaxUnits; ++i) {
        Unit& u = units[i];
        if (u.state == kActive) continue;
        u.state = kActive;
        u.type = type;
        u.owner = owner;
        u.health = game.state.players[owner].powerLevel;
        u.x = x;
        u.y = y;
        u.explosionFrame = 0;
        u.canAttack = 1;
        u.canMove = 1;
        return i;
    }
    return -1;
}

int CountBases(const Game& game, int player) {
    int count = 0;
    for (const Unit& u : game.state.units)
        if (u.state == kActive && u.owner == player && u.type == kBase) ++count;
    return count;
}

void EliminatePlayer(Game& game, int player) {
    Player& p = game.state.players[player];
    const bool human = p.isHuman != 0;
    p.lifeState = human ? kDying : kDead;
    for (Unit& u : game.state.units) {
        if (u.state != kActive || u.owner != player) continue;
        u.state = human ? kDestroyed : kFree;
        u.explosionFrame = 0;
    }
}

void SetScrollLimits(Game& game) {
    game.maxScrollX = game.map.mapSize - kViewColumns;
    game.maxScrollY = game.map.mapSize - kViewRows;
}

int ScrollToward(int tile, int maxScroll) { return std::min(std::max(tile - 6, 0), maxScroll); }

int UnitCapForMapSize(int mapSize) {
    switch (mapSize) {
        case 27: return 20;
        case 36: return 30;
        case 45: return 40;
        case 54: return 50;
        case 63: return 60;
        default: return 0;
    }
}

std::string LongDateText(const struct tm& when) {
    static const char* const kDays[] = {"SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY",
                                        "THURSDAY", "FRIDAY", "SATURDAY"};
    static const char* const kMonths[] = {"JANUARY", "FEBRUARY", "MARCH", "APRIL",
                                          "MAY", "JUNE", "JULY", "AUGUST",
                                          "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
    char text[128];
    std::snprintf(text, sizeof text, "%s, %s %d, %d, %02d:%02d:%02d",
                  kDays[((when.tm_wday % 7) + 7) % 7], kMonths[((when.tm_mon % 12) + 12) % 12],
                  when.tm_mday, when.tm_year + 1900, when.tm_hour, when.tm_min, when.tm_sec);
    return text;
}

std::string LongDateText() {
    const std::time_t now = std::time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    return LongDateText(local);
}
