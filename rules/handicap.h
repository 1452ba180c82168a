// The handicap points, all Black, for 1 to 17 stones.
#pragma once

constexpr int MaxHandicap = 17;

// Puts Black stones on the handicap points for n stones, in table order; nothing for n <= 0.
void PlaceHandicapStones(int n);
