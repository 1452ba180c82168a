// What the board painter shows of the game.
//
// A worker thread writes Position (the board, the human's colour, the capture counts) and
// GameSession.boardSnapshot while the window thread may paint; reading them then would be a
// data race. The window thread empties GameSession.workerThread only after the worker's last
// write, so while the slot is empty the painter reads the live records and keeps a copy. While
// a worker holds the slot, the painter shows that copy, which is what the screen last showed;
// the repaint that follows the worker's end brings the new position.
#pragma once

#include <cstdint>

#include "rules/position.h"

struct PaintedPosition {
    std::uint8_t board[PointCount];
    // For a partial paint: 1 where the point must be drawn again, because it differs from the
    // snapshot taken when the step began, or from what the last paint showed there.
    std::uint8_t changed[PointCount];
    int humanColor;
    int capturedMachineStones;
    int capturedHumanStones;
};

// The position for this paint, on the window thread: the live one copied while no worker runs,
// else the last copy with no point marked changed.
const PaintedPosition& PositionForPaint();

// A new view has shown nothing yet: the copy becomes an empty board.
void ForgetPaintedPosition();
