// Running the program more than once in one process (tests, benchmarks): what a run leaves
// behind is forgotten before the next.
#pragma once

#include <cstring>

#include "platform/core/kernel_object.h"
#include "platform/core/message_queue.h"
#include "platform/core/window.h"
#include "rules/position.h"
#include "shell/board_cursor.h"
#include "shell/game_session.h"
#include "view/board_view.h"

namespace shell_test {

// Waits for the last worker, drops its posts, frees what a window closed without Exit kept,
// clears the game's state, the windows and the kernel handles (the single-instance mutex among
// them). False when a worker did not end.
inline bool ResetProgram() {
    kernel_objects::HoldThreads(false);
    const bool ended = kernel_objects::WaitForThreads(20000);
    while (message_queue::Take()) {
    }
    delete GameSession.view;
    delete GameSession.cursor;
    GameSession.instance = nullptr;
    GameSession.view = nullptr;
    GameSession.cursor = nullptr;
    GameSession.workerThread = nullptr;
    GameSession.statusIndex.store(StatusInitializing);
    GameSession.partialRepaint = 0;
    std::memset(GameSession.boardSnapshot, 0, sizeof GameSession.boardSnapshot);
    GameSession.stepX = 0;
    GameSession.stepY = 0;
    Position = PositionRecord{};
    windows::ResetAll();
    kernel_objects::CloseAll();
    return ended;
}

}  // namespace shell_test
