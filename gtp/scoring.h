// Area scoring: each side's stones plus the empty regions that only its stones border.
#pragma once

#include <string>

struct AreaCount {
    int black = 0;
    int white = 0;
};

// Counts the current board. Stones are all taken as alive; an empty region that touches both
// colours, or none, counts for neither side.
AreaCount CountArea();

// "B+n" or "W+n" for a margin of Black over White, "0" for a tie.
std::string FormatScore(double blackMargin);

// The result of the current board with `komi` added to White's count.
std::string FinalScore(double komi);
