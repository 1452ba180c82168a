// The smallest program with a single instance, for the cross-process tests: the first start shows
// a window; a second raises it and ends.
#include "platform/resource_module.h"
#include "platform/windows.h"

const PlatformResourceModule ProgramResources{nullptr, 0};

int WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
    if (CreateMutexW(nullptr, FALSE, L"Talvex Single Instance") == nullptr) {
        return 1;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        for (int attempt = 0; attempt < 10; ++attempt, Sleep(200)) {
            if (HWND running = FindWindowW(L"Single", L"Single")) {
                // The low bit asks to raise the window's owned windows too.
                SetForegroundWindow(
                    reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
                return 0;
            }
        }
        return 2;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"Single";
    RegisterClassW(&windowClass);
    ShowWindow(CreateWindowExW(0, L"Single", L"Single", 0, 0, 0, 0, 0, nullptr, nullptr, instance,
                               nullptr),
               showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) {
        DispatchMessageW(&message);
    }
    return 0;
}
