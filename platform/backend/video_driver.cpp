#include "platform/backend/video_driver.h"

#include <string_view>

namespace backend {
namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

// SDL_VIDEODRIVER may list drivers to try, separated by commas; the window needs no screen
// only when every one of them is a headless driver.
bool AllHeadless(std::string_view drivers) {
    while (!drivers.empty()) {
        const auto comma = drivers.find(',');
        const std::string_view name = drivers.substr(0, comma);
        if (name != "dummy" && name != "offscreen") {
            return false;
        }
        drivers = comma == std::string_view::npos ? std::string_view{} : drivers.substr(comma + 1);
    }
    return true;
}

}  // namespace

VideoDriverChoice ChooseVideoDriver(const char* sdlVideoDriver, const char* display,
                                    const char* waylandDisplay) {
    if (IsSet(sdlVideoDriver)) {
        return {.headless = AllHeadless(sdlVideoDriver), .forceDummy = false};
    }
    if (IsSet(display) || IsSet(waylandDisplay)) {
        return {.headless = false, .forceDummy = false};
    }
    return {.headless = true, .forceDummy = true};
}

}  // namespace backend
