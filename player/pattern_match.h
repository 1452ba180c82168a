// Matching the shape patterns around one machine stone.
#pragma once

// Tries every pattern in each of its orientations with the machine stone at (x, y) as anchor and
// writes the best match's move point and weight (-1 first). Returns 1 when the best value is
// greater than 0. Ties go to the first match: pattern order, then orientation order.
int MatchPatterns(int x, int y, int* bestX, int* bestY, int* bestValue);

// The correction of an extension pattern's weight for one coordinate of its move point:
// -1 on the first two lines, +1 on the third and fourth, 0 elsewhere.
int ExtensionLineCorrection(int coordinate);
