#include "platform/core/screen.h"

#include <utility>

#include "platform/core/chrome.h"
#include "platform/core/message_queue.h"

namespace screen {
namespace {

struct State {
    raster::Framebuffer frame{Width, Height, raster::MakePixel(255, 255, 255)};
    raster::Framebuffer shown{Width, Height, raster::MakePixel(255, 255, 255)};
    std::unique_ptr<backend::Backend> backend;
    std::function<std::unique_ptr<backend::Backend>()> open;
    bool openFailed = false;
    std::string title;
    bool changed = true;
};

// Never destroyed at exit: a library may end the process with exit() (Xlib does when the
// display goes away), and closing the window then waits forever on the dead display.
State& TheState() {
    static State* state = new State;
    return *state;
}

}  // namespace

raster::Framebuffer& Frame() {
    return TheState().frame;
}

const raster::Framebuffer& Shown() {
    return TheState().shown;
}

backend::Backend* Backend() {
    return TheState().backend.get();
}

void Attach(std::unique_ptr<backend::Backend> backend) {
    State& state = TheState();
    state.backend = std::move(backend);
    backend::Backend* attached = state.backend.get();
    message_queue::SetWaker([attached] { attached->Wake(); });
    state.changed = true;
}

void Detach() {
    // The waker goes first, so that no other thread wakes a backend that is gone.
    message_queue::SetWaker(nullptr);
    TheState().backend.reset();
}

void AttachOnFirstWindow(std::function<std::unique_ptr<backend::Backend>()> open) {
    TheState().open = std::move(open);
}

bool EnsureBackend() {
    State& state = TheState();
    if (state.backend == nullptr && state.open) {
        // Tried once: a display that failed is not opened again behind the program's back.
        if (auto opened = std::exchange(state.open, nullptr)()) {
            Attach(std::move(opened));
        } else {
            state.openFailed = true;
        }
    }
    return !state.openFailed;
}

void MarkChanged() {
    TheState().changed = true;
}

void PresentIfChanged() {
    State& state = TheState();
    if (!state.changed) {
        return;
    }
    state.shown = state.frame;
    chrome::Draw(state.shown);
    if (state.backend) {
        // The desktop window (and so the taskbar) keeps the program's name while a dialog has
        // the phone's title bar.
        const std::string title = chrome::ProgramTitle();
        if (title != state.title) {
            state.title = title;
            state.backend->SetTitle(title);
        }
        state.backend->Present(state.shown);
    }
    state.changed = false;
}

}  // namespace screen
