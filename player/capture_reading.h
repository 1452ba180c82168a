// Capture reading: attacks the human's groups that have fewer than four liberties.
#pragma once

// Generator: takes a human group in atari (value 120), or fills the liberty of a group with two
// or three liberties that leaves the human's escape the fewest liberties ((6 − B) × 20).
// Out-parameters are set to -1 first; returns 1 when the best value is greater than 0.
int FindCaptureMove(int* x, int* y, int* value);

// Walks the color group at (x, y) and appends its liberties to libX, libY at *count, each point
// once and never the machine's ko point. Returns 1 as soon as *count reaches `wanted`.
// The caller sets *count to 0 and clears ReadMarks first.
int CollectLiberties(int x, int y, int* libX, int* libY, int color, int wanted, int* count);

// Clears the visit marks of the group walks.
void ClearReadMarks();
