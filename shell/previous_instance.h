// The single-instance guard: a second start brings the running game to the front.
#pragma once

#include "platform/windows.h"

// Takes the program's named mutex, or, when another instance holds it, waits for that
// instance's window (5 attempts, 500 ms apart) and brings it to the front. S_OK to go on, with
// *found 1 when a running instance was brought forward (this one must then end); E_FAIL when
// the mutex cannot be had or the other instance shows no window.
HRESULT ActivatePreviousInstance(LPCWSTR className, LPCWSTR title, int* found);
