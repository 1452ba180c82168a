#include "platform/core/input.h"

#include <algorithm>

#include "platform/aygshell.h"
#include "platform/core/controls.h"
#include "platform/core/dialogs.h"
#include "platform/core/menu_bar.h"
#include "platform/core/message_queue.h"
#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/win_user.h"

namespace input {
namespace {

// lParam of a key message: a repeat count of 1, bit 30 for a key that was already down, bit
// 31 for a release.
LPARAM KeyFlags(bool down, bool repeat) {
    LPARAM flags = 1;
    if (repeat || !down) {
        flags |= LPARAM{1} << 30;
    }
    if (!down) {
        flags |= LPARAM{1} << 31;
    }
    return flags;
}

bool IsDialog(HWND handle) {
    const PlatformWindow* window = windows::Find(handle);
    return window != nullptr && window->className == controls::DialogClass;
}

// The Back key nobody took: a dialog is cancelled, the main window goes to the background.
void DefaultBack(HWND active) {
    if (IsDialog(active)) {
        PostMessageW(active, WM_COMMAND, IDCANCEL, 0);
    } else if (screen::Backend() != nullptr) {
        screen::Backend()->Minimise();
    }
}

void HandleKey(UINT key, bool down, bool repeat) {
    HWND active = windows::Active();
    if (active == nullptr || menu_bar::HandleKey(active, key, down)) {
        return;
    }
    if (key == VK_TBACK) {
        if (down) {
            DefaultBack(active);
        }
        return;
    }
    PostMessageW(active, down ? WM_KEYDOWN : WM_KEYUP, key, KeyFlags(down, repeat));
}

// A click the soft-key bar and the popup leave goes to the window under it, in its client
// coordinates, as a press of the left button.
void HandleClick(int x, int y) {
    HWND active = windows::Active();
    if (active == nullptr || menu_bar::HandleClick(active, x, y)) {
        return;
    }
    HWND target = windows::WindowAt(active, x, y);
    if (target == nullptr) {
        return;
    }
    const raster::Rect client = windows::ScreenClientRect(target);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(static_cast<WORD>(x - client.left), static_cast<WORD>(y - client.top)));
}

// The wheel goes to the window that has the keys. The pointer's position is not given: the
// screen's windows have no use for it.
void HandleWheel(int notches) {
    HWND active = windows::Active();
    if (active == nullptr) {
        return;
    }
    // The turn must fit the signed high word of wParam.
    constexpr int MostNotches = 0x7FFF / WHEEL_DELTA;
    const auto delta =
        static_cast<WORD>(std::clamp(notches, -MostNotches, MostNotches) * WHEEL_DELTA);
    PostMessageW(active, WM_MOUSEWHEEL, static_cast<WPARAM>(delta) << 16, 0);
}

// The first top-level window made is the program's main window.
void HandleClose() {
    const auto topLevel = windows::TopLevel();
    if (!topLevel.empty()) {
        PostMessageW(topLevel.front(), WM_CLOSE, 0, 0);
    }
}

void Handle(const backend::InputEvent& event) {
    switch (event.kind) {
        case backend::InputKind::KeyDown:
        case backend::InputKind::KeyUp:
            HandleKey(event.key, event.kind == backend::InputKind::KeyDown, event.repeat);
            break;
        case backend::InputKind::Click:
            HandleClick(event.x, event.y);
            break;
        case backend::InputKind::Wheel:
            HandleWheel(event.notches);
            break;
        case backend::InputKind::Close:
            HandleClose();
            break;
        case backend::InputKind::Wake:
        case backend::InputKind::None:
            break;
    }
}

}  // namespace

bool HandlePending() {
    backend::Backend* backend = screen::Backend();
    backend::InputEvent event;
    if (backend == nullptr || !backend->WaitInput(&event, 0)) {
        return false;
    }
    Handle(event);
    return true;
}

void WaitAndHandle() {
    backend::Backend* backend = screen::Backend();
    if (backend == nullptr) {
        message_queue::WaitForPost();
        return;
    }
    backend::InputEvent event;
    if (backend->WaitInput(&event, -1)) {
        Handle(event);
    }
}

}  // namespace input
