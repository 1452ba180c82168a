// What one SDL event means to the phone: input for the program, or work for the window.
#pragma once

#include <SDL.h>

#include "platform/backend/backend.h"

namespace backend {

enum class EventAction {
    Ignore,   // nothing the phone has or needs
    Input,    // `input` goes to the program
    Repaint,  // the window needs its picture shown again
};

struct TranslatedEvent {
    EventAction action = EventAction::Ignore;
    // A click's (x, y) are as SDL reports them; the window knows where its screen lies.
    InputEvent input;
};

// wakeEventType is the event type that Wake() pushes.
TranslatedEvent TranslateEvent(const SDL_Event& event, Uint32 wakeEventType);

}  // namespace backend
