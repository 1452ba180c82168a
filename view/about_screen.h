// The About screen: the program's logo above a few centred lines naming the program, its
// version and where to get it and support for it.
#pragma once

#include "platform/windows.h"

// Ten lines, each ending in "\r\n".
extern const wchar_t AboutText[];

// The procedure of dialog IDD_ABOUT. Done (IDM_DONE) closes it; Back keeps the platform's
// own handling. Every key release repaints the screen at the platform's scroll position.
BOOL AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
