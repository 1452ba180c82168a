// Test input, put into SDL's queue as the desktop would put it there.
#include "platform/backend/backend.h"
#include "platform/backend/sdl_backend.h"

namespace backend {
namespace {

bool Push(SDL_Event event) {
    return SDL_PushEvent(&event) == 1;
}

// A fresh event for each push: SDL's renderer rewrites a pushed mouse event's position in place.
SDL_Event LeftButton(Uint32 type, Uint32 windowId, ScreenPoint at) {
    SDL_Event event{};
    event.button.type = type;
    event.button.windowID = windowId;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = at.x;
    event.button.y = at.y;
    return event;
}

}  // namespace

bool InjectDesktopKey(int sdlKeycode, bool down, bool repeat, bool numLock) {
    const SdlBackend* backend = SdlBackend::Current();
    if (backend == nullptr) {
        return false;
    }
    SDL_Event event{};
    event.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = backend->WindowId();
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = sdlKeycode;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(sdlKeycode);
    event.key.keysym.mod = numLock ? KMOD_NUM : KMOD_NONE;
    return Push(event);
}

bool InjectClick(int x, int y) {
    const SdlBackend* backend = SdlBackend::Current();
    if (backend == nullptr) {
        return false;
    }
    const ScreenPoint at = backend->ScreenToWindow(x, y);
    return Push(LeftButton(SDL_MOUSEBUTTONDOWN, backend->WindowId(), at)) &&
           Push(LeftButton(SDL_MOUSEBUTTONUP, backend->WindowId(), at));
}

bool InjectWheel(int notches) {
    const SdlBackend* backend = SdlBackend::Current();
    if (backend == nullptr) {
        return false;
    }
    SDL_Event event{};
    event.wheel.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = backend->WindowId();
    event.wheel.y = notches;
    event.wheel.preciseY = static_cast<float>(notches);
    event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    return Push(event);
}

bool InjectClose() {
    if (SdlBackend::Current() == nullptr) {
        return false;
    }
    SDL_Event event{};
    event.quit.type = SDL_QUIT;
    return Push(event);
}

bool ResizeDesktopWindow(int width, int height) {
    SdlBackend* backend = SdlBackend::Current();
    return backend != nullptr && backend->ResizeWindow(width, height);
}

}  // namespace backend
