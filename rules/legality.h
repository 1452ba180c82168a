// Captures, prisoners and ko points, and the test of the human's move for suicide and ko.
#pragma once

// Takes every color stone whose group has no liberty off the board, counts it as a prisoner
// and sets that side's ko point (the point of the one stone taken, or -1, -1).
void RemoveDeadStones(int color);

// 1 when the human may not play on the empty point (x, y): suicide, or the single-stone
// retake of the human's ko point. 0 when the move is allowed. The board is left unchanged.
int IsForbiddenMove(int x, int y);
