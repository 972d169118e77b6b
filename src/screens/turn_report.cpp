#include "screens/turn_report.h"

#include <optional>
#include <string>
#include <vector>

#include "game/turn_changes.h"
#include "handover/turn_memory.h"
#include "screens/human_turn.h"
#include "screens/info_page.h"
#include "shell/shell.h"
#include "ui/buttons.h"
#include "ui/sprite_layout.h"

namespace {

// Lines the page has room for under its heading, above the RETURN button.
constexpr size_t kPageLines = 30;

struct TurnReport {
    std::optional<TurnChanges> changes;
    std::vector<std::string> lines;
    std::vector<std::pair<int, int>> marks;  // tiles, while they are shown
    bool opened = false;
    int seat = -1, turn = -1;  // the turn it belongs to
};

TurnReport report;

// Marks belong to the turn they were made for and never show on the
// game-over view, which has no fog.
bool MarksApply() {
    return theGame.fogOfWar == 1 && theGame.state.currentPlayer == report.seat && theGame.state.turn == report.turn;
}

std::vector<std::string> PageText() {
    std::vector<std::string> text = {"SINCE YOUR LAST TURN", PageRule()};
    if (report.lines.empty()) text.emplace_back("NOTHING YOU COULD SEE HAS CHANGED");
    for (size_t i = 0; i < report.lines.size() && i < kPageLines; ++i) text.push_back(report.lines[i]);
    if (report.lines.size() > kPageLines)
        text.push_back("... AND " + std::to_string(report.lines.size() - kPageLines) + " MORE");
    return text;
}

int RunReportPage() {
    const std::vector<std::string> text = PageText();
    return RunInfoPage([&text] { DrawPageLines(text); });
}

}  // namespace

void PrepareTurnReport() {
    report = {};
    report.seat = theGame.state.currentPlayer;
    report.turn = theGame.state.turn;
    report.changes = ChangesSinceLastTurn(theGame);
    if (!report.changes) return;
    report.lines = TurnChangeLines(*report.changes, theGame.state);
    for (const UnitNews& news : report.changes->units) {
        int x = 0, y = 0;
        if (MarkedTile(news, report.changes->seat, x, y)) report.marks.emplace_back(x, y);
    }
}

int ShowTurnReportAtStart() {
    if (!report.changes || report.changes->Empty() || report.opened) return kStay;
    report.opened = true;
    return RunReportPage() == kFatal ? kFatal : kStay;
}

int ShowTurnReportAgain() {
    if (!report.changes) {
        theGame.statusMessage = "NO REPORT SINCE YOUR LAST TURN";
        return kStay;
    }
    GetPlatform().PlaySound(kButtonClickSound);
    return RunReportPage() == kFatal ? kFatal : kStay;
}

void DrawTurnReportMark(int x, int y, int sx, int sy) {
    if (!MarksApply()) return;
    for (const auto& [mx, my] : report.marks) {
        if (mx == x && my == y) CopyPicture(kSpriteSlot, sheet::kAttackMarker, sx, sy, true);
    }
}

void DrawTurnReportMiniMapMarks() {
    if (!MarksApply()) return;
    const Rect miniMap = MiniMapScreenRect(theGame.map.mapSize);
    for (const auto& [x, y] : report.marks) {
        const int cx = miniMap.left + kMiniMapDot * x + 1, cy = miniMap.top + kMiniMapDot * y + 1;
        StretchPicture(sheet::kAttackMarker, {cx - 4, cy - 4, cx + 5, cy + 5});
    }
}

void ClearTurnReportMarks() { report.marks.clear(); }
