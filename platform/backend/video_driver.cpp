#include "platform/backend/video_driver.h"

namespace backend {
namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

VideoDriverChoice ChooseVideoDriver(const char* sdlVideoDriver, const char* display,
                                    const char* waylandDisplay) {
    if (IsSet(sdlVideoDriver)) {
        return {.drivers = {}, .noDisplay = false};
    }
    // Only a driver whose display is named: another would fail with a message of its own.
    const bool x11 = IsSet(display);
    const bool wayland = IsSet(waylandDisplay);
    if (!x11 && !wayland) {
        return {.drivers = {}, .noDisplay = true};
    }
    return {.drivers = x11 && wayland ? "x11,wayland"
                       : x11          ? "x11"
                                      : "wayland",
            .noDisplay = false};
}

}  // namespace backend
