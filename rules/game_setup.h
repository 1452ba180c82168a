// Setting up a new game: called in the order ClearBoard, StartGameState, SetUpGame.
#pragma once

#include <chrono>

// Empties the board, resets the prisoner counts and arms the opening flags.
void ClearBoard();

// Starts the game: active, no passes, no ko points, and the random numbers seeded from the clock.
void StartGameState();

// Places `handicap` Black stones (clamped to 0..17), gives the sides their colours and lets the
// machine make the first move when it is to move first. Afterwards it is the human's turn.
void SetUpGame(int handicap, int humanIsBlack);

// The random seed of a game started at `now`: (minute × 60 + second) × 1000 + millisecond of
// the UTC time, so it repeats every hour.
unsigned ClockSeed(std::chrono::system_clock::time_point now);
