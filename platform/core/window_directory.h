// The directory of top-level windows across processes: FindWindowW finds a window of another
// process by class and title, and SetForegroundWindow asks that process to raise it.
#pragma once

#include "platform/win_types.h"

namespace window_directory {

// Lists the top-level window for other processes, or takes it out.
void Publish(HWND window);
void Withdraw(HWND window);

// True once when another process has asked this one to come to the front.
bool TakeRaiseRequest();

}  // namespace window_directory
