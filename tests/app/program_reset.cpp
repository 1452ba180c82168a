#include "tests/app/program_reset.h"

#include <cstring>

#include "platform/core/kernel_object.h"
#include "platform/core/message_queue.h"
#include "platform/core/window.h"
#include "rules/position.h"
#include "shell/board_cursor.h"
#include "shell/game_session.h"
#include "view/board_view.h"

namespace app_test {

bool ResetProgram() {
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

}  // namespace app_test
