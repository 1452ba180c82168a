// The New Game dialog: the human picks Black or White on a one-line spinner; Done starts the
// new game, Cancel leaves the running one alone.
#pragma once

#include "platform/windows.h"

BOOL NewGameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Full screen, soft-key bar `barId`, the two sides listed with Black selected. 1 on success,
// 0 when the soft-key bar cannot be created.
int InitNewGameDialog(HWND dialog, UINT barId);
