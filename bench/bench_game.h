// Reproducible games for the benchmark programs: a seeded set-up and a random legal human.
#pragma once

#include <random>

// Sets up a new game with no handicap, then reseeds the engine's rand() with `seed`, so that
// the game no longer depends on the clock.
void StartSeededGame(unsigned seed, int humanIsBlack);

// Picks a uniformly random empty point that IsForbiddenMove allows. Returns 0 when there is
// none. Draws only from `rng`, never from the engine's rand().
int ChooseHumanPoint(std::mt19937& rng, int* x, int* y);

// Stones of either colour on the board.
int CountStones();
