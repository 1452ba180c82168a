#include "platform/backend/event_map.h"

#include "platform/backend/key_map.h"

namespace backend {
namespace {

TranslatedEvent Input(InputEvent input) {
    return {EventAction::Input, input};
}

TranslatedEvent FromKey(const SDL_KeyboardEvent& key) {
    const auto phoneKey =
        PhoneKeyFor(key.keysym.sym, key.keysym.scancode, (key.keysym.mod & KMOD_NUM) != 0);
    if (!phoneKey) {
        return {};
    }
    const bool down = key.type == SDL_KEYDOWN;
    return Input({.kind = down ? InputKind::KeyDown : InputKind::KeyUp,
                  .key = *phoneKey,
                  .repeat = down && key.repeat != 0});
}

// Whole notches only; the high-resolution remainder of a touchpad's scroll is left out.
TranslatedEvent FromWheel(const SDL_MouseWheelEvent& wheel) {
    const int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    if (notches == 0) {
        return {};
    }
    return Input({.kind = InputKind::Wheel, .notches = notches});
}

TranslatedEvent FromWindow(const SDL_WindowEvent& window) {
    switch (window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            return Input({.kind = InputKind::Close});
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            return {EventAction::Repaint, {}};
        default:
            return {};
    }
}

}  // namespace

TranslatedEvent TranslateEvent(const SDL_Event& event, Uint32 wakeEventType) {
    if (event.type == wakeEventType) {
        return Input({.kind = InputKind::Wake});
    }
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return FromKey(event.key);
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button != SDL_BUTTON_LEFT) {
                return {};
            }
            return Input({.kind = InputKind::Click, .x = event.button.x, .y = event.button.y});
        case SDL_MOUSEWHEEL:
            return FromWheel(event.wheel);
        case SDL_QUIT:
            return Input({.kind = InputKind::Close});
        case SDL_WINDOWEVENT:
            return FromWindow(event.window);
        default:
            return {};
    }
}

}  // namespace backend
