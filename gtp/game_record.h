// The engine's whole state as a value, for taking moves back, and the swap of the two sides.
#pragma once

#include "rules/position.h"

// Everything a move can change: the game record and the opening's progress.
struct EngineRecord {
    PositionRecord position;
    int openingCorner;
    int openingNode;
};

// A byte-for-byte copy of the current state (padding included, so copies compare with memcmp).
EngineRecord SaveEngine();
void RestoreEngine(const EngineRecord& record);

// Exchanges the human and the machine: their colours, their ko points and their prisoner counts,
// so that every value stays with its colour. The machine's liberty map is refreshed, as the
// human's last stone would have left it.
void SwapSides();

// Swaps the sides when needed, so that `color` is the human's (the machine's) colour.
void MakeHumanColor(int color);
void MakeMachineColor(int color);

// The stones of `color` taken off the board in this game.
int CapturedStonesOf(int color);

// True when no stone is on the board.
bool BoardIsEmpty();
