#include "shell/game_workers.h"

#include <cstring>

#include "rules/game_setup.h"
#include "rules/legality.h"
#include "rules/play_turn.h"
#include "rules/position.h"
#include "shell/board_cursor.h"
#include "shell/game_session.h"

namespace {

void Post(LPVOID window, UINT message) {
    PostMessageW(static_cast<HWND>(window), message, 0, 0);
}

// The message line after the machine's reply, and "Game finished" whenever the game is over.
void ShowReply(int replyX) {
    SetStatus(replyX < 0 ? StatusIPass : StatusYourMove);
}

void ShowIfFinished() {
    if (Position.GameActive == 0) {
        SetStatus(StatusGameFinished);
    }
}

}  // namespace

DWORD NewGameThread(LPVOID window) {
    std::memset(GameSession.boardSnapshot, NoStone, sizeof GameSession.boardSnapshot);
    SetStatus(StatusInitializing);
    Post(window, WM_WORKER_STARTED);
    ClearBoard();
    StartGameState();
    SetUpGame(0, Position.HumanColor == Black ? 1 : 0);
    SetStatus(StatusYourMove);
    Post(window, WM_WORKER_DONE);
    return 0;
}

DWORD PlayMoveThread(LPVOID window) {
    std::memcpy(GameSession.boardSnapshot, Position.Board, sizeof GameSession.boardSnapshot);
    SetStatus(StatusThinking);
    Post(window, WM_WORKER_STARTED);
    int x = GameSession.stepX;
    int y = GameSession.stepY;
    if (StoneAt(x, y) != Empty) {
        SetStatus(StatusIllegalMove);
    } else if (IsForbiddenMove(x, y) != 0) {
        SetStatus(StatusKoMove);
    } else {
        PlayTurn(&x, &y, 0);
        ShowReply(x);
    }
    ShowIfFinished();
    Post(window, WM_WORKER_DONE);
    return 0;
}

DWORD PassThread(LPVOID window) {
    SetStatus(StatusThinking);
    Post(window, WM_WORKER_STARTED);
    int x = GameSession.stepX;
    int y = GameSession.stepY;
    PlayTurn(&x, &y, 1);
    ShowReply(x);
    ShowIfFinished();
    Post(window, WM_WORKER_DONE);
    return 0;
}

bool StartWorker(HWND window, LPTHREAD_START_ROUTINE step) {
    if (GameSession.workerThread != nullptr) {
        return false;
    }
    // The thread's start orders these writes before everything the worker reads.
    if (GameSession.cursor != nullptr) {
        GameSession.stepX = GameSession.cursor->x;
        GameSession.stepY = GameSession.cursor->y;
    }
    GameSession.workerThread = CreateThread(nullptr, 0, step, window, 0, nullptr);
    return GameSession.workerThread != nullptr;
}
