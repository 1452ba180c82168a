// Soft-key bars from the program's resources, for the main window and the dialogs.
#pragma once

#include "platform/windows.h"

// Creates soft-key bar `barId` for `owner` with SHCreateMenuBar; stores the bar's window in
// *bar when bar is not null. Non-zero on success.
BOOL CreateSoftKeyBar(HWND owner, UINT barId, HWND* bar = nullptr);
