// Which SDL video driver the window uses: the desktop's, or a headless one when there is no
// display to show it on.
#pragma once

namespace backend {

struct VideoDriverChoice {
    bool headless = false;    // no screen: the window may do without a renderer
    bool forceDummy = false;  // SDL must be told to use its "dummy" driver
    friend bool operator==(const VideoDriverChoice&, const VideoDriverChoice&) = default;
};

// From the environment's SDL_VIDEODRIVER, DISPLAY and WAYLAND_DISPLAY (null when unset). A
// driver the user named is kept; without one and without a display, SDL's dummy driver is used.
VideoDriverChoice ChooseVideoDriver(const char* sdlVideoDriver, const char* display,
                                    const char* waylandDisplay);

}  // namespace backend
