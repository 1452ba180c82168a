// The Help screen: one paragraph about the game of Go, painted by the dialog itself and
// scrolled by the platform.
#pragma once

#include "platform/windows.h"

// One paragraph of 1001 characters, without line breaks.
extern const wchar_t HelpText[];

// The procedure of dialog IDD_HELP. Done (IDM_DONE) and the Back key close it; every key
// release repaints the text at the platform's scroll position.
BOOL HelpDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
