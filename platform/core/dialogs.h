// Modal dialogs made from templates.
#pragma once

#include "platform/win_types.h"

namespace dialogs {

// The window procedure of every dialog: the dialog's own procedure first, then the defaults
// (painting the background, Back ending the dialog, Up, Down and the wheel scrolling, Left and
// Right stepping a spinner).
LRESULT DialogWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Sizes the dialog to the whole client area of the screen.
void MakeFullScreen(HWND dialog);

}  // namespace dialogs
