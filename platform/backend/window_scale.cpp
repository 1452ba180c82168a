#include "platform/backend/window_scale.h"

#include <charconv>
#include <cstring>

namespace backend {

std::optional<int> ParseScale(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    const char* end = text + std::strlen(text);
    int value = 0;
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc{} || stop != end || value < 1 || value > kMaxScale) {
        return std::nullopt;
    }
    return value;
}

int FitDefaultScale(int screenWidth, int screenHeight, int usableWidth, int usableHeight) {
    if (usableWidth <= 0 || usableHeight <= 0) {
        return kDefaultScale;
    }
    int scale = kDefaultScale;
    while (scale > 1 &&
           (screenWidth * scale > usableWidth || screenHeight * scale > usableHeight)) {
        --scale;
    }
    return scale;
}

}  // namespace backend
