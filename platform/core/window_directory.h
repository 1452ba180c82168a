// The directory of top-level windows across processes: FindWindowW finds a window of another
// process by class and title, and SetForegroundWindow asks that process to raise it.
#pragma once

#include "platform/win_types.h"

namespace window_directory {

// Lists the top-level window for other processes, or takes it out.
void Publish(HWND window);
void Withdraw(HWND window);

// Removes this process's files from the runtime folder, as it ends; its windows are no longer
// found. The next process to list windows removes those of processes that ended without it.
void RemoveOwnFiles();

// True once when another process has asked this one to come to the front.
bool TakeRaiseRequest();

}  // namespace window_directory
