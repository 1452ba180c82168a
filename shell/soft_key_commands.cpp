// The main window's commands: the Exit soft key and the Menu's items.
#include "resources/resource_ids.h"
#include "shell/board_cursor.h"
#include "shell/dialog_launch.h"
#include "shell/game_session.h"
#include "shell/game_workers.h"
#include "shell/main_window.h"
#include "shell/new_game_dialog.h"
#include "view/about_screen.h"
#include "view/board_view.h"
#include "view/help_screen.h"

namespace {

void Exit(HWND window) {
    DestroyWindow(window);
    delete GameSession.view;
    GameSession.view = nullptr;
    delete GameSession.cursor;
    GameSession.cursor = nullptr;
    // A worker still running is left to finish: it only posts to a window that is gone, and
    // the process ends with the message loop.
    if (GameSession.workerThread != nullptr) {
        CloseHandle(GameSession.workerThread);
        GameSession.workerThread = nullptr;
    }
}

void NewGame(HWND window) {
    // One step at a time: while a step runs, New Game is refused like Pass.
    if (GameSession.workerThread != nullptr) {
        return;
    }
    RunDialog(window, IDD_NEW_GAME, NewGameDlgProc);
    GameSession.partialRepaint = 0;
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    // The whole wParam is the command: notifications in the high half are not ours.
    switch (wParam) {
        case IDM_EXIT:
            Exit(window);
            return 1;
        case IDM_ABOUT:
            RunDialog(window, IDD_ABOUT, AboutDlgProc);
            return 1;
        case IDM_PASS:
            if (GameSession.workerThread == nullptr) {
                StartWorker(window, PassThread);
            }
            return 1;
        case IDM_NEW_GAME:
            NewGame(window);
            return 1;
        case IDM_HELP:
            RunDialog(window, IDD_HELP, HelpDlgProc);
            return 1;
        default:
            return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
    }
}
