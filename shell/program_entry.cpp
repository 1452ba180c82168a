#include "shell/program_entry.h"

#include "platform/commctrl.h"
#include "resources/resource_ids.h"
#include "shell/game_session.h"
#include "shell/main_window.h"
#include "shell/previous_instance.h"

namespace {

constexpr int TitleLength = 20;

}  // namespace

HWND StartProgram(HINSTANCE instance, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    GameSession.instance = instance;

    wchar_t title[TitleLength];
    if (LoadStringW(instance, IDS_APP_TITLE, title, TitleLength) == 0) {
        return nullptr;
    }

    int found = 0;
    if (ActivatePreviousInstance(MainWindowClass, title, &found) != S_OK || found != 0) {
        return nullptr;
    }

    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = MainWindowClass;
    if (RegisterClassW(&windowClass) == 0) {
        return nullptr;
    }

    HWND window =
        CreateWindowExW(0, MainWindowClass, title, WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int WinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand) {
    if (StartProgram(instance, showCommand) == nullptr) {
        return 0;
    }
    return RunMessageLoop();
}
