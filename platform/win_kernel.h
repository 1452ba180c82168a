// Kernel services: threads, handles, the named mutex, the last error and sleeping.
#pragma once

#include "platform/win_types.h"

using LPTHREAD_START_ROUTINE = DWORD (*)(LPVOID parameter);

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// Starts `start(parameter)` on a new thread at once. Every thread gets at least 8 MiB
// of stack, whatever `stackSize` asks. Returns 0 on failure.
HANDLE CreateThread(void* securityAttributes, DWORD stackSize, LPTHREAD_START_ROUTINE start,
                    LPVOID parameter, DWORD creationFlags, DWORD* threadId);

// Releases the handle; a thread goes on running when its handle is closed.
BOOL CloseHandle(HANDLE handle);

// A mutex named across processes. When another process holds one of that name, the handle is
// still returned and GetLastError() is ERROR_ALREADY_EXISTS. The name is freed when the
// process that holds it ends, however it ends.
HANDLE CreateMutexW(void* securityAttributes, BOOL initialOwner, LPCWSTR name);

DWORD GetLastError();
void SetLastError(DWORD error);

void Sleep(DWORD milliseconds);
