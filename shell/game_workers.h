// The game's steps, each on a worker thread of its own: a new game, the human's stone with the
// machine's reply, the human's pass with the machine's reply. A worker reports only by posting
// WM_WORKER_STARTED and, as its last act, WM_WORKER_DONE to the main window.
#pragma once

#include "platform/windows.h"

// Each takes the main window's handle and returns 0.
DWORD NewGameThread(LPVOID window);
DWORD PlayMoveThread(LPVOID window);
DWORD PassThread(LPVOID window);

// Starts `step` for the main window when no worker holds the slot, noting the cursor point for
// it, and keeps its handle in GameSession.workerThread. False when a worker runs already or the
// thread cannot be started (the slot then stays empty).
bool StartWorker(HWND window, LPTHREAD_START_ROUTINE step);
