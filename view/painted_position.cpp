#include "view/painted_position.h"

#include <algorithm>
#include <iterator>

#include "shell/game_session.h"

namespace {

// Only the window thread touches it. Before the first copy it shows an empty board.
PaintedPosition painted{};

}  // namespace

const PaintedPosition& PositionForPaint() {
    if (GameSession.workerThread != nullptr) {
        std::fill(std::begin(painted.changed), std::end(painted.changed), 0);
        return painted;
    }
    for (int i = 0; i < PointCount; ++i) {
        const std::uint8_t b = Position.Board[i];
        // The comparison with the last paint also catches a step that left the snapshot of
        // an earlier one in place.
        painted.changed[i] = b != GameSession.boardSnapshot[i] || b != painted.board[i];
        painted.board[i] = b;
    }
    painted.humanColor = Position.HumanColor;
    painted.capturedMachineStones = Position.CapturedMachineStones;
    painted.capturedHumanStones = Position.CapturedHumanStones;
    return painted;
}

void ForgetPaintedPosition() {
    painted = PaintedPosition{};
}
