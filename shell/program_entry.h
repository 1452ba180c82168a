// The program's entry and its main window's start-up.
#pragma once

#include "platform/windows.h"

// The window class name, which also names the single-instance mutex.
constexpr wchar_t MainWindowClass[] = L"Talvex Go";

// The process entry: start-up, then the message loop until the quit message. Returns the exit
// code; every start-up failure returns 0 quietly.
int WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPWSTR commandLine, int showCommand);

// WinMain's start-up: common controls, title, single-instance guard, window class, main window
// (which starts the first new game), shown and updated. Null when the program must end.
HWND StartProgram(HINSTANCE instance, int showCommand);

// Gets and dispatches messages until the quit message; returns its exit code.
int RunMessageLoop();
