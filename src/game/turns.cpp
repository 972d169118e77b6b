#include "game/turns.h"

#include "game/economy.h"
#include "game/markers.h"
#include "game/orders.h"

DestroyedNotice MakeDestroyedNotice(const Game& game, int loser) {
    const auto& players = game.state.players;
    DestroyedNotice notice;
    notice.loser = loser;
    const int destroyer = players[loser].destroyer;
    if (destroyer >= 0 && destroyer < kSeats) notice.destroyerName = players[destroyer].name;
    notice.loserName = players[loser].name;
    return notice;
}

void AdvanceSeat(Game& game) {
    GameState& s = game.state;
    Player& leaving = s.players[s.currentPlayer];
    leaving.viewX = game.scrollX;
    leaving.viewY = game.scrollY;
    s.currentPlayer += 1;
    if (s.currentPlayer >= kSeats) {
        s.turn += 1;
        s.currentPlayer = 0;
    }
}

SeatNext SeatDestination(const Game& game) {
    if (IsGameOver(game)) return SeatNext::kGameOver;
    const Player& seat = game.state.players[game.state.currentPlayer];
    if (seat.seatOpen == 0 || seat.lifeState == kDead) return SeatNext::kEndOfTurn;
    if (seat.setupDone == 0) return SeatNext::kSetUp;
    if (seat.isHuman == 0) return SeatNext::kComputerTurn;
    return SeatNext::kHumanTurn;
}

bool NeedsIdentityCheck(const Game& game) { return game.state.gameType != kSinglePlayer; }

SeatNext TakeHumanSeat(Game& game, DestroyedNotice* notice) {
    Player& seat = game.state.players[game.state.currentPlayer];
    if (seat.lifeState != kDying) return SeatNext::kHumanTurn;
    if (notice) *notice = MakeDestroyedNotice(game, game.state.currentPlayer);
    seat.lifeState = kDead;
    return SeatNext::kEndOfTurn;
}

void BeginHumanTurn(Game& game) {
    GameState& s = game.state;
    ClearMarkers(game);
    // Every unit on the map is readied, whoever owns it: the computer seats
    // play on these flags too.
    for (Unit& u : s.units) {
        u.canAttack = 1;
        u.canMove = u.type == kBase ? 0 : 1;
    }
    game.unitCap = UnitCapForMapSize(game.map.mapSize);
    game.unitSelected = 0;
    game.fogOfWar = 1;
    game.rng.Seed(game.TickCount());
    CollectIncome(game, s.currentPlayer);
    game.scrollX = s.players[s.currentPlayer].viewX;
    game.scrollY = s.players[s.currentPlayer].viewY;
    game.statusMessage = s.turn == 1 ? "PRESS F1 FOR HELP" : "";
    game.nextUnitCursor = 0;
    game.panel.repairShown = false;
    game.panel.typeShown = {};
    game.panel.miniMapStale = true;
    SetPowerButton(game);
}

void BeginComputerTurn(Game& game) {
    game.unitCap = UnitCapForMapSize(game.map.mapSize);
    CollectIncome(game, game.state.currentPlayer);
}

std::vector<DestroyedNotice> ShowPendingNotices(Game& game) {
    std::vector<DestroyedNotice> notices;
    Player& viewer = game.state.players[game.state.currentPlayer];
    if (viewer.isHuman == 0) return notices;
    for (int i = 0; i < kSeats; ++i) {
        if (viewer.destroyedNotice[i] != 1) continue;
        notices.push_back(MakeDestroyedNotice(game, i));
        viewer.destroyedNotice[i] = 0;
    }
    return notices;
}

bool IsGameOver(const Game& game) {
    const GameState& s = game.state;
    int alive = 0;
    int humans = 0;
    int best = 0;
    for (const Player& p : s.players) {
        if (p.lifeState == kDead) continue;
        ++alive;
        if (p.isHuman) ++humans;
        if (p.score > best) best = p.score;
    }
    if (humans == 0 || alive == 1) return true;
    // A tie for the lead, over all four seats, holds back every victory.
    int leaders = 0;
    for (const Player& p : s.players)
        if (p.score == best) ++leaders;
    if (leaders >= 2) return false;
    switch (s.victoryType) {
        case kScoreVictory: return best > s.victoryScore;
        case kTurnVictory: return s.turn > s.victoryTurn;
        default: return false;
    }
}

int Winner(const Game& game) {
    int winner = 0;
    int best = 0;
    for (int p = 0; p < kSeats; ++p) {
        if (CountBases(game, p) == 0) continue;
        if (game.state.players[p].score > best) {
            best = game.state.players[p].score;
            winner = p;
        }
    }
    return winner;
}
