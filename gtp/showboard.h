// The board as text for showboard.
#pragma once

#include <string>

// Column letters above and below, row numbers (19 at the top) on both sides, X for Black, O for
// White, + on the star points, then the prisoners of each colour. Lines end in '\n', none is
// empty.
std::string BoardText();
