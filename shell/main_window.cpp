#include "shell/main_window.h"

#include <new>

#include "resources/resource_ids.h"
#include "rules/position.h"
#include "shell/board_cursor.h"
#include "shell/game_session.h"
#include "shell/game_workers.h"
#include "shell/soft_key_bar.h"
#include "view/board_view.h"

namespace {

void OnWorkerStarted(HWND window) {
    GameSession.partialRepaint = 1;
    const RECT line = GameSession.view->MessageRect();
    InvalidateRect(window, &line, FALSE);
}

void OnWorkerDone(HWND window) {
    GameSession.partialRepaint = 1;
    InvalidateRect(window, nullptr, FALSE);
    if (GameSession.workerThread != nullptr) {
        CloseHandle(GameSession.workerThread);
    }
    GameSession.workerThread = nullptr;
}

void OnPaint(HWND window) {
    if (GameSession.view != nullptr) {
        GameSession.view->PaintBoard(window);
        return;
    }
    // After Exit the view is gone; the window only needs validating until it disappears.
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
}

}  // namespace

LRESULT OnCreate(HWND window, LPARAM) {
    if (!CreateSoftKeyBar(window, IDR_MAIN_MENU)) {
        return -1;
    }
    auto* view = new (std::nothrow) BoardView(window, BoardSize);
    if (view == nullptr || !view->HasGrid()) {
        delete view;
        return -1;
    }
    auto* cursor = new (std::nothrow) BoardCursor(view->boardSize);
    if (cursor == nullptr) {
        delete view;
        return -1;
    }
    GameSession.view = view;
    GameSession.cursor = cursor;
    Position.HumanColor = Black;
    Position.MachineColor = White;
    StartWorker(window, NewGameThread);
    return 0;
}

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(window, lParam);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 1;
        case WM_PAINT:
            OnPaint(window);
            return 1;
        case WM_KEYDOWN:
            return OnKeyDown(window, wParam, lParam);
        case WM_LBUTTONDOWN:
            return OnLButtonDown(window, wParam, lParam);
        case WM_COMMAND:
            return OnCommand(window, wParam, lParam);
        case WM_WORKER_DONE:
            OnWorkerDone(window);
            return 1;
        case WM_WORKER_STARTED:
            if (GameSession.view != nullptr) {
                OnWorkerStarted(window);
            }
            return 1;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
