#pragma once
// "SINCE YOUR LAST TURN": what changed for the seat in turn while it was
// away, as a page that opens by itself at the start of its turn and again
// on F4, and as marks on the map and the mini-map until its first order.

// Works the report out from the seat's own memory of the game, at the start
// of its turn; no memory (a first turn, a file from elsewhere), no report.
void PrepareTurnReport();

// Opens the page when the turn starts with something to tell: 14 when the
// page failed, otherwise 10.
int ShowTurnReportAtStart();

// The F4 key: the page again, or a word on the status line when this turn
// has no report. 14 when the page failed, otherwise 10.
int ShowTurnReportAgain();

// The report's marks on the map view's tile (x, y) drawn at sx, sy, and on
// the mini-map; none once the player has given an order.
void DrawTurnReportMark(int x, int y, int sx, int sy);
void DrawTurnReportMiniMapMarks();
void ClearTurnReportMarks();
