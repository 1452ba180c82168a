#include "shell/board_cursor.h"

BoardCursor::BoardCursor(std::int32_t boardSize) : size(boardSize), x(size / 2), y(size / 2) {}

void BoardCursor::MoveLeft() {
    x = x == 0 ? size - 1 : x - 1;
}

void BoardCursor::MoveRight() {
    x = x == size - 1 ? 0 : x + 1;
}

void BoardCursor::MoveUp() {
    y = y == 0 ? size - 1 : y - 1;
}

void BoardCursor::MoveDown() {
    y = y == size - 1 ? 0 : y + 1;
}

void BoardCursor::MoveTo(std::int32_t newX, std::int32_t newY) {
    x = newX;
    y = newY;
}
