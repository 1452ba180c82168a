// The point the action key plays on; the direction keys move it, wrapping at the edges.
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

    std::int32_t size;
    std::int32_t x;
    std::int32_t y;
};
