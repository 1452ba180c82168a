// Which SDL video drivers the window may use: the desktop's, or a headless one that was asked for.
#pragma once

#include <string_view>

namespace backend {

struct VideoDriverChoice {
    std::string_view drivers;  // what SDL is told to try; empty: SDL_VIDEODRIVER as it is set
    bool noDisplay = false;    // the desktop's drivers have no display to open
    friend bool operator==(const VideoDriverChoice&, const VideoDriverChoice&) = default;
};

// From the environment's SDL_VIDEODRIVER, DISPLAY and WAYLAND_DISPLAY (null when unset). Drivers
// that were named are kept (the tests' headless runs name theirs); otherwise only the desktop's
// (X11, Wayland) whose display is set are tried, never a headless one: a game that nobody can see
// must never start.
VideoDriverChoice ChooseVideoDriver(const char* sdlVideoDriver, const char* display,
                                    const char* waylandDisplay);

}  // namespace backend
