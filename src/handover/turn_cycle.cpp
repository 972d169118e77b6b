#include "handover/turn_cycle.h"

#include <array>

#include "ai/computer_player.h"
#include "game/turns.h"
#include "handover/hand_over.h"
#include "world/starting_units.h"

void PlayComputerTurn(Game& game, WorldCache* worlds) {
    RegrowWorld(game, worlds);
    BeginComputerTurn(game);
    RunComputerPlayer(game);
}

void SetUpComputerSeat(Game& game) {
    static constexpr std::array<const char*, 4> kNames = {"GREEN COMP", "RED COMP", "BLUE COMP",
                                                          "PURPLE COMP"};
    Player& seat = game.state.players[game.state.currentPlayer];
    seat.setupDone = 1;
    if (seat.colour >= 0 && seat.colour < 4) seat.name = kNames[seat.colour];
}

HumanTurnStart StartHumanTurn(Game& game, const TurnFile& file, std::optional<int> worldSeed,
                              std::string& problem, WorldCache* worlds) {
    if (game.map.mapSeed == -1) {
        if (!worldSeed) return HumanTurnStart::kNoWorldSeed;
        game.map.mapSeed = *worldSeed;
        PlaceStartingUnits(game);
        if (!file.Save(game, problem)) return HumanTurnStart::kWorldNotSaved;
    }
    RegrowWorld(game, worlds);
    BeginHumanTurn(game);
    return HumanTurnStart::kStarted;
}

bool IsStop(SeatStep step) {
    return step == SeatStep::kGameOver || step == SeatStep::kHumanSetUpNeeded ||
           step == SeatStep::kNoWorldSeed || step == SeatStep::kFileProblem;
}

namespace {

// Plays the seat's part of the step; the caller ends the turn unless the
// result is a stop.
SeatStep PlaySeat(Game& game, SeatNext next, const TurnFile& file, std::optional<int> worldSeed,
                  WorldCache* worlds, SeatStepResult& result) {
    switch (next) {
        case SeatNext::kGameOver:
            result.winner = Winner(game);
            return SeatStep::kGameOver;
        case SeatNext::kEndOfTurn: return SeatStep::kPassedOver;
        case SeatNext::kSetUp:
            if (game.state.players[game.state.currentPlayer].isHuman) return SeatStep::kHumanSetUpNeeded;
            SetUpComputerSeat(game);
            return SeatStep::kSetUp;
        case SeatNext::kComputerTurn: PlayComputerTurn(game, worlds); return SeatStep::kComputerTurn;
        case SeatNext::kHumanTurn: break;
    }
    if (TakeHumanSeat(game, nullptr) == SeatNext::kEndOfTurn) return SeatStep::kDyingSeatTold;
    switch (StartHumanTurn(game, file, worldSeed, result.problem, worlds)) {
        case HumanTurnStart::kNoWorldSeed: return SeatStep::kNoWorldSeed;
        case HumanTurnStart::kWorldNotSaved: return SeatStep::kFileProblem;
        case HumanTurnStart::kStarted: break;
    }
    ShowPendingNotices(game);  // taken as shown: the flags are cleared
    return SeatStep::kIdleHumanTurn;
}

}  // namespace

SeatStepResult PlaySeatStep(Game& game, const TurnFile& file, std::optional<int> worldSeed,
                            WorldCache* worlds) {
    SeatStepResult result;
    const std::optional<SeatNext> next = HandOver(game, file, result.problem);
    if (!next) {
        result.step = SeatStep::kFileProblem;
        return result;
    }
    result.seat = game.state.currentPlayer;
    result.step = PlaySeat(game, *next, file, worldSeed, worlds, result);
    if (IsStop(result.step)) return result;
    if (!EndTurn(game, file, result.problem)) result.step = SeatStep::kFileProblem;
    return result;
}
