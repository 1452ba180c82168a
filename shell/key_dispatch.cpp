// The main window's keys and clicks: the direction keys move the cursor at any moment; the
// action key plays on it when no step runs and the game goes on; a click on a board point
// moves the cursor there and then does what the action key does.
#include "rules/position.h"
#include "shell/board_cursor.h"
#include "shell/game_session.h"
#include "shell/game_workers.h"
#include "shell/main_window.h"
#include "view/board_view.h"

namespace {

void InvalidateCursorPoint(HWND window) {
    const RECT point = GameSession.view->PointRect(GameSession.cursor->x, GameSession.cursor->y);
    InvalidateRect(window, &point, FALSE);
}

}  // namespace

LRESULT OnKeyDown(HWND window, WPARAM key, LPARAM) {
    if (GameSession.view == nullptr || GameSession.cursor == nullptr) {
        return 0;
    }
    InvalidateCursorPoint(window);
    BoardCursor& cursor = *GameSession.cursor;
    LRESULT handled = 1;
    switch (key) {
        case VK_RETURN:
            // GameActive is the worker's while one runs, so the slot is looked at first.
            if (GameSession.workerThread == nullptr && Position.GameActive != 0) {
                StartWorker(window, PlayMoveThread);
            }
            break;
        case VK_LEFT:
            cursor.MoveLeft();
            break;
        case VK_UP:
            cursor.MoveUp();
            break;
        case VK_RIGHT:
            cursor.MoveRight();
            break;
        case VK_DOWN:
            cursor.MoveDown();
            break;
        default:
            handled = 0;
            break;
    }
    InvalidateCursorPoint(window);
    return handled;
}

LRESULT OnLButtonDown(HWND window, WPARAM, LPARAM lParam) {
    std::int32_t x = 0;
    std::int32_t y = 0;
    if (GameSession.view == nullptr || GameSession.cursor == nullptr ||
        !GameSession.view->PointAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), &x, &y)) {
        return 0;
    }
    InvalidateCursorPoint(window);
    GameSession.cursor->MoveTo(x, y);
    InvalidateCursorPoint(window);
    // The frame's move is painted before the step starts: once the step's first message has
    // come, the next paint redraws only changed points and the old frame would stay.
    UpdateWindow(window);
    return OnKeyDown(window, VK_RETURN, 0);
}
