// The player and game details page (F3 or the score box during a turn): the
// game's options, the four seats, and the current player's bases, units and
// income. Computed once as the page opens.
#include <string>

#include "game/economy.h"
#include "game/unit_types.h"
#include "screens/game_option_lines.h"
#include "screens/info_page.h"
#include "screens/screens.h"
#include "shell/shell.h"
#include "ui/text.h"

namespace {

// One seat's row, each column drawn on its own at its place.
void DrawSeatRow(int seat, int y) {
    const Player& p = theGame.state.players[seat];
    DrawText(30, y, std::to_string(seat + 1), kSmallFont);
    if (p.seatOpen == 0) {
        DrawText(46, y, "CLOSED", kSmallFont);
        return;
    }
    DrawText(46, y, LifeStateName(p.lifeState), kSmallFont);
    DrawText(102, y, p.name, kSmallFont);
    DrawText(270, y, p.isHuman ? "HUMAN" : "COMP", kSmallFont);
    DrawText(318, y, p.faction >= 0 && p.faction <= 3 ? kFactionNames[p.faction] : "", kSmallFont);
    DrawText(390, y, std::to_string(p.score), kSmallFont);
    DrawText(502, y, std::to_string(p.powerLevel), kSmallFont);
    if (p.destroyer >= 0 && p.destroyer < kSeats) DrawText(582, y, theGame.state.players[p.destroyer].name, kSmallFont);
}

void DrawSeatTable() {
    DrawText(30, 210, "# STATE  PLAYER NAME          TYPE  FACTION  SCORE         POWER     DESTROYER", kSmallFont);
    for (int seat = 0; seat < kSeats; ++seat) DrawSeatRow(seat, 230 + 20 * seat);
}

}  // namespace

std::vector<std::string> DetailsLines() {
    const Game& game = theGame;
    const GameState& s = game.state;
    const int p = s.currentPlayer;
    const int bases = CountBases(game, p);
    const int units = CountUnits(game, p);
    std::vector<std::string> lines = GameOptionLines(game);
    const std::vector<std::string> rest = {
        PageRule(),
        "", "", "", "", "",
        PageRule(),
        "YOUR BASE COUNT  : " + std::to_string(bases),
        "YOUR UNIT COUNT  : " + std::to_string(units),
        "YOUR BASE INCOME : " + std::to_string(bases * 50),
        "YOUR UNIT INCOME : " + std::to_string(units * 10),
        "YOUR TOTAL INCOME: " + std::to_string(Income(game, p)),
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

int RunDetailsScreen() {
    const std::vector<std::string> lines = DetailsLines();
    return RunInfoPage([&lines] {
        DrawPageLines(lines);
        DrawSeatTable();
    });
}
