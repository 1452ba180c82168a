// The point the action key plays on; the direction keys move it, wrapping at the edges, and a
// click on the board puts it on the point clicked.
#pragma once

#include <cstdint>

class BoardCursor {
  public:
    // Starts on the centre point (size / 2, size / 2).
    explicit BoardCursor(std::int32_t boardSize);

    void MoveLeft();
    void MoveRight();
    void MoveUp();
    void MoveDown();
    // Puts it on (newX, newY), a point of the board.
    void MoveTo(std::int32_t newX, std::int32_t newY);

    std::int32_t size;
    std::int32_t x;
    std::int32_t y;
};
