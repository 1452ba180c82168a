// Window classes and windows: RegisterClassW, CreateWindowExW, DestroyWindow, ShowWindow,
// UpdateWindow, GetParent, GetClientRect, GetSystemMetrics.
#include "platform/core/controls.h"
#include "platform/core/painting.h"
#include "platform/core/resources.h"
#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/core/window_directory.h"
#include "platform/raster/bmp_decode.h"
#include "platform/win_kernel.h"
#include "platform/win_user.h"

namespace {

// The program's icon (the first image of its first icon resource, the largest), with its
// transparency, on the desktop window, once its first window exists.
void ShowProgramIcon(HINSTANCE instance) {
    static bool shown = false;
    const PlatformResource* icon = resources::FindFirst(instance, resource_type::GroupIcon);
    if (shown || icon == nullptr || screen::Backend() == nullptr) {
        return;
    }
    const auto image = raster::DecodeBmpWithAlpha(
        raster::FirstBmpFile(std::span(static_cast<const std::uint8_t*>(icon->data), icon->size)));
    if (image) {
        screen::Backend()->SetIcon(*image);
        shown = true;
    }
}

// The window that now has the screen shows itself again in full.
void RevealActive() {
    if (HWND active = windows::Active()) {
        painting::InvalidateAll(active, true);
    }
    screen::MarkChanged();
}

}  // namespace

WORD RegisterClassW(const WNDCLASSW* windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpfnWndProc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    windows::WindowClass registered;
    registered.name = windowClass->lpszClassName;
    registered.proc = windowClass->lpfnWndProc;
    registered.style = windowClass->style;
    registered.background = windowClass->hbrBackground;
    registered.instance = windowClass->hInstance;
    if (!windows::RegisterClass(registered)) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return 0;
    }
    static WORD atom = 0xC000;
    return atom++;
}

HWND CreateWindowExW(DWORD, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID parameter) {
    controls::RegisterBuiltInClasses();
    const windows::WindowClass* windowClass = className ? windows::FindClass(className) : nullptr;
    const bool isChild = (style & WS_CHILD) != 0;
    if (windowClass == nullptr || (isChild && !windows::IsAlive(parent))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // A window that nobody can see is no window: without the screen the program's start fails.
    if (!isChild && !screen::EnsureBackend()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto window = std::make_unique<PlatformWindow>();
    window->className = windowClass->name;
    window->title = title ? title : L"";
    window->proc = windowClass->proc;
    window->classStyle = windowClass->style;
    window->background = windowClass->background;
    window->instance = instance;
    window->style = style;
    window->parent = parent;
    window->controlId = isChild ? static_cast<int>(reinterpret_cast<ULONG_PTR>(menu)) : 0;
    // Top-level windows fill the screen between the title bar and the soft-key bar, as every
    // window of the phone does.
    window->rect = isChild ? raster::Rect{x, y, x + width, y + height} : screen::ClientArea;
    window->visible = isChild && (style & WS_VISIBLE) != 0;
    HWND handle = windows::Add(std::move(window));
    if (SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(parameter)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (!windows::IsAlive(handle)) {
        return nullptr;
    }
    if (!isChild) {
        ShowProgramIcon(instance);
        window_directory::Publish(handle);
        if ((style & WS_VISIBLE) != 0) {
            ShowWindow(handle, SW_SHOW);
        }
    }
    return handle;
}

BOOL DestroyWindow(HWND handle) {
    PlatformWindow* window = windows::Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool wasActive = windows::Active() == handle;
    // Windows it owns (dialogs, its soft-key bar) go before it.
    for (HWND other : windows::TopLevel()) {
        if (PlatformWindow* owned = windows::Find(other); owned && owned->parent == handle) {
            DestroyWindow(other);
        }
    }
    if (windows::IsAlive(window->menuBar)) {
        DestroyWindow(window->menuBar);
    }
    SendMessageW(handle, WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(window->children)) {
        SendMessageW(child, WM_DESTROY, 0, 0);
    }
    window_directory::Withdraw(handle);
    windows::Remove(handle);
    if (wasActive) {
        RevealActive();
    }
    return TRUE;
}

BOOL ShowWindow(HWND handle, int command) {
    PlatformWindow* window = windows::Find(handle);
    if (window == nullptr) {
        return FALSE;
    }
    const bool wasVisible = window->visible;
    window->visible = command != SW_HIDE;
    if (window->visible != wasVisible) {
        if (window->visible) {
            painting::InvalidateAll(handle, true);
        }
        RevealActive();
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND handle) {
    PlatformWindow* window = windows::Find(handle);
    if (window == nullptr) {
        return FALSE;
    }
    if (!window->update.IsEmpty() && painting::IsOnScreen(handle)) {
        SendMessageW(handle, WM_PAINT, 0, 0);
    }
    return TRUE;
}

HWND GetParent(HWND handle) {
    const PlatformWindow* window = windows::Find(handle);
    return window ? window->parent : nullptr;
}

BOOL GetClientRect(HWND handle, RECT* rect) {
    const PlatformWindow* window = windows::Find(handle);
    if (window == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{0, 0, window->rect.Width(), window->rect.Height()};
    return TRUE;
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return screen::Width;
        case SM_CYSCREEN:
            return screen::Height;
        default:
            return 0;
    }
}
