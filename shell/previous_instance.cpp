#include "shell/previous_instance.h"

namespace {

constexpr int Attempts = 5;
constexpr DWORD SearchPauseMs = 500;

// The window with its lowest bit set: brought forward together with the dialogs it owns.
HWND WithOwnedWindows(HWND window) {
    return reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(window) | 1);
}

}  // namespace

HRESULT ActivatePreviousInstance(LPCWSTR className, LPCWSTR title, int* found) {
    *found = 0;
    for (int attempt = Attempts; attempt > 0; --attempt) {
        HANDLE mutex = CreateMutexW(nullptr, FALSE, className);
        if (mutex == nullptr) {
            return E_FAIL;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            // The only instance: the mutex stays held for the life of the process.
            return S_OK;
        }
        CloseHandle(mutex);
        HWND running = FindWindowW(className, title);
        if (running == nullptr) {
            Sleep(SearchPauseMs);
            running = FindWindowW(className, title);
        }
        if (running != nullptr) {
            SetForegroundWindow(WithOwnedWindows(running));
            *found = 1;
            return S_OK;
        }
    }
    return E_FAIL;
}
