#include "platform/backend/video_session.h"

#include <SDL.h>

#include <array>

namespace backend {
namespace {

// Set for the session's lifetime only, so that a later session decides afresh.
constexpr std::array kWindowHints{
    SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE,
    SDL_HINT_RENDER_SCALE_QUALITY,
};

}  // namespace

VideoSession::VideoSession(bool forceDummy) : forcedDummy_(forceDummy) {
    if (forceDummy) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    }
    // The close button then yields the window's close event alone, not a second SDL_QUIT.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Nearest-neighbour scaling: phone pixels stay sharp squares.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    started_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!started_) {
        SDL_LogError(SDL_LOG_CATEGORY_APPLICATION, "Cannot start SDL video: %s", SDL_GetError());
    }
}

VideoSession::~VideoSession() {
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    for (const char* hint : kWindowHints) {
        SDL_ResetHint(hint);
    }
    if (forcedDummy_) {
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    }
}

}  // namespace backend
