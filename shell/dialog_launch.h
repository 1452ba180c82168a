// Modal dialogs from the program's dialog templates.
#pragma once

#include "platform/windows.h"

// Runs dialog `dialogId` of the program's resources modally over `owner` and returns its
// result; -1 when the template is missing.
INT_PTR RunDialog(HWND owner, WORD dialogId, DLGPROC procedure);
