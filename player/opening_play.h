// The third move generator: corner sequences and side points in the opening, shape patterns later.
#pragma once

// The corner of the sequence in progress (0..3) and the OpeningTree index of its next node.
// Kept across games: they matter only while a sequence is in progress.
extern int OpeningCorner;
extern int OpeningNode;

// Generator: the next point of the corner sequence in progress, a new corner sequence, a side
// point (each worth 80), else the best shape pattern around the machine's stones. Returns 1
// with the proposal when its value is greater than 0.
int FindOpeningOrPatternMove(int* x, int* y, int* value);

// Writes the point of OpeningTree[*node], mirrored into `corner`, to *x, *y. Returns 0 when the
// node ends its sequence; otherwise steps *node to a random successor and returns 1.
int NextOpeningPoint(int* x, int* y, int* node, int corner);

// 1 when every point between the two corners (inclusive, in either order) is empty.
int RegionIsEmpty(int x1, int y1, int x2, int y2);
