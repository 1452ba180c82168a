// The message loop: GetMessageW, TranslateMessage, DispatchMessageW, PostMessageW,
// SendMessageW, PostQuitMessage and DefWindowProcW.
#include "platform/core/input.h"
#include "platform/core/message_loop.h"
#include "platform/core/message_queue.h"
#include "platform/core/painting.h"
#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/core/window_directory.h"
#include "platform/win_user.h"

namespace {

struct QuitState {
    bool posted = false;
    int exitCode = 0;
};

// The quit request belongs to the window thread, as do GetMessageW and PostQuitMessage.
QuitState& Quit() {
    static QuitState state;
    return state;
}

// The next message without waiting: posted messages first, then the quit request, then input,
// then a paint. Presents the screen when there is nothing left.
enum class Next { Message, Quit, Idle };

Next TakeNext(MSG* message) {
    for (;;) {
        if (auto posted = message_queue::Take()) {
            *message = *posted;
            return Next::Message;
        }
        if (Quit().posted) {
            Quit().posted = false;
            *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(Quit().exitCode), 0, 0, {}};
            return Next::Quit;
        }
        if (input::HandlePending()) {
            continue;
        }
        if (window_directory::TakeRaiseRequest() && screen::Backend() != nullptr) {
            screen::Backend()->Raise();
        }
        if (HWND window = painting::NextToPaint()) {
            *message = MSG{window, WM_PAINT, 0, 0, 0, {}};
            return Next::Message;
        }
        screen::PresentIfChanged();
        return Next::Idle;
    }
}

}  // namespace

namespace message_loop {

bool DispatchPending() {
    MSG message;
    switch (TakeNext(&message)) {
        case Next::Message:
            DispatchMessageW(&message);
            return true;
        case Next::Quit:
            // Left for the loop that owns it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        case Next::Idle:
            return false;
    }
    return false;
}

}  // namespace message_loop

BOOL GetMessageW(MSG* message, HWND, UINT, UINT) {
    for (;;) {
        switch (TakeNext(message)) {
            case Next::Message:
                return TRUE;
            case Next::Quit:
                return FALSE;
            case Next::Idle:
                input::WaitAndHandle();
                break;
        }
    }
}

BOOL TranslateMessage(const MSG* message) {
    // The keypad's keys need no character messages: the program reads key codes only.
    return message != nullptr && (message->message == WM_KEYDOWN || message->message == WM_KEYUP);
}

LRESULT DispatchMessageW(const MSG* message) {
    if (message == nullptr) {
        return 0;
    }
    PlatformWindow* window = windows::Find(message->hwnd);
    if (window == nullptr) {
        // Posted to a window that is gone since: dropped, as the platform does.
        return 0;
    }
    const unsigned paintsBegun = window->paintsBegun;
    const LRESULT result =
        window->proc(message->hwnd, message->message, message->wParam, message->lParam);
    if (message->message == WM_PAINT) {
        // A window procedure that left its update region alone would be asked again and again.
        // One that called BeginPaint has had the region handed over: what it invalidated since
        // is new and gets a paint of its own.
        PlatformWindow* painted = windows::Find(message->hwnd);
        if (painted != nullptr && painted->paintsBegun == paintsBegun) {
            painted->update.Clear();
            painted->eraseUpdate = false;
        }
    }
    return result;
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Called from any thread: the window is not looked at here, only when the message is
    // dispatched on the window thread.
    if (window == nullptr) {
        return FALSE;
    }
    return message_queue::Post(MSG{window, message, wParam, lParam, 0, {}}) ? TRUE : FALSE;
}

LRESULT SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* window = windows::Find(handle);
    if (window == nullptr || window->proc == nullptr) {
        return 0;
    }
    return window->proc(handle, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    Quit().posted = true;
    Quit().exitCode = exitCode;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (BeginPaint(window, &paint) != nullptr) {
                EndPaint(window, &paint);
            }
            return 0;
        }
        default:
            return 0;
    }
}
