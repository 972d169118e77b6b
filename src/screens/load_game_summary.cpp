#include "screens/load_game_summary.h"

#include "game/turns.h"
#include "screens/game_option_lines.h"
#include "shell/shell.h"
#include "ui/text.h"

namespace {

constexpr int kLeft = 340;
constexpr int kTop = 120;
constexpr int kLineStep = 20;
constexpr const char* kSeatHeading =
    "#-STATE--PLAYER NAME----------TYPE--FACTION--SCORE-----POWER-DESTROYER--------------";

std::string NextPlayerLine(const Game& game) {
    if (IsGameOver(game)) return "NEXT PLAYER : GAME OVER";
    const int p = game.state.currentPlayer;
    if (p < 0 || p >= kSeats) return "NEXT PLAYER : ";
    return "NEXT PLAYER : " + game.state.players[p].name;
}

void AddSeatRow(const GameState& s, int seat, std::vector<SummaryText>& out) {
    const Player& p = s.players[seat];
    const int y = 340 + kLineStep * seat;
    out.push_back({340, y, std::to_string(seat + 1), 0});
    out.push_back({356, y, LifeStateName(p.lifeState), 0});
    out.push_back({412, y, p.name, 0});
    out.push_back({580, y, p.isHuman ? "HUMAN" : "COMP", 0});
    if (p.faction >= 0 && p.faction < 4) out.push_back({628, y, kFactionNames[p.faction], 0});
    out.push_back({700, y, std::to_string(p.score), 0});
    out.push_back({780, y, std::to_string(p.powerLevel), 0});
    if (p.destroyer >= 0 && p.destroyer < kSeats) out.push_back({828, y, s.players[p.destroyer].name, 0});
}

}  // namespace

std::vector<SummaryText> GameSummaryLines(Game& game) {
    const GameState& s = game.state;
    if (IsValidMapSize(game.map.mapSize)) game.unitCap = UnitCapForMapSize(game.map.mapSize);
    std::vector<std::string> lines = GameOptionLines(game);
    lines.push_back("TURN        : " + std::to_string(s.turn));
    lines.push_back(NextPlayerLine(game));
    std::vector<SummaryText> out;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) out.push_back({kLeft, kTop + kLineStep * i, lines[i], 0});
    out.push_back({kLeft, 320, kSeatHeading, 0});
    for (int seat = 0; seat < kSeats; ++seat) {
        if (s.players[seat].seatOpen) AddSeatRow(s, seat, out);
    }
    if (IsGameOver(game)) out.push_back({350, 500, s.players[Winner(game)].name + " IS VICTORIOUS!", 1});
    return out;
}

void GameSummary() {
    for (const SummaryText& line : GameSummaryLines(theGame)) DrawText(line.x, line.y, line.text, line.size);
}
