// The main window: its procedure, its creation work, its commands and keys.
#pragma once

#include "platform/windows.h"

LRESULT MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_CREATE: the soft-key bar, the board view, the cursor, the sides of the first game and its
// set-up on a worker. 0, or -1 to refuse the window.
LRESULT OnCreate(HWND window, LPARAM createParameter);

// WM_KEYDOWN: the direction keys move the cursor, the action key plays on it. 1 when the key
// is one of those five, else 0.
LRESULT OnKeyDown(HWND window, WPARAM key, LPARAM lParam);

// WM_LBUTTONDOWN: a click on a board point (client coordinates in lParam) moves the cursor
// there and acts as the action key. The key's result, or 0 for a click off the board.
LRESULT OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam);

// WM_COMMAND: the soft keys and the menu.
LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
