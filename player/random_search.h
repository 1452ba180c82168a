// The machine's fallback when no generator proposes a move: filtered random points.
#pragma once

// The random search gives up when its try counter reaches this.
constexpr int RandomSearchTries = 400;

// One coordinate, 0..18, from up to three draws of rand() % 19 that favour the third to sixth
// lines from either edge.
int DrawCoordinate();

// Draws points until one is empty, gives a machine stone there at least two liberties and is
// not the machine's own eye. Returns 1 with the point, or 0 when the tries run out.
int FindRandomMove(int* x, int* y);
