// Board positions written as small diagrams, so that a test reads like the position it checks.
//
// Each string is one row, from the top (y = 0) down; each character one column from the left
// (x = 0). 'X' is Black, 'O' is White, '.' is empty; spaces are ignored. Rows and columns not
// given are empty.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Replaces the whole board with the diagram.
void SetBoard(std::initializer_list<std::string_view> rows);

// The board as a 19-row diagram, for failure messages.
std::string BoardDiagram();

// The number of stones of `color` on the board.
int CountStones(int color);
