#include "platform/backend/video_session.h"

#include <SDL.h>

#include <array>
#include <cstring>

namespace backend {
namespace {

// Set for the session's lifetime only, so that a later session decides afresh.
constexpr std::array kWindowHints{
    SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE,
    SDL_HINT_FRAMEBUFFER_ACCELERATION,
};

}  // namespace

VideoSession::VideoSession(const VideoDriverChoice& choice)
    : namedDrivers_(!choice.drivers.empty()) {
    if (choice.noDisplay) {
        failure_ = "DISPLAY and WAYLAND_DISPLAY are not set";
        return;
    }
    if (namedDrivers_) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, std::string(choice.drivers).c_str());
    }
    // The close button then yields the window's close event alone, not a second SDL_QUIT.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        failure_ = SDL_GetError();
        if (failure_.empty()) {
            failure_ = "SDL's video did not start";
        }
        return;
    }
    // The window's own surface is plain memory that X shows: no GL driver is loaded for a
    // 176 x 220 screen. SDL's Wayland driver has no such surface and needs its GL path.
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "wayland") != 0) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
}

VideoSession::~VideoSession() {
    if (failure_.empty()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    for (const char* hint : kWindowHints) {
        SDL_ResetHint(hint);
    }
    if (namedDrivers_) {
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    }
}

}  // namespace backend
