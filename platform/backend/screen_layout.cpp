#include "platform/backend/screen_layout.h"

#include <algorithm>

namespace backend {
namespace {

// Rounds towards minus infinity, so that the border left of and above the screen stays outside.
int FloorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

ScreenLayout::ScreenLayout(int windowWidth, int windowHeight, int screenWidth, int screenHeight)
    : screenWidth_(std::max(screenWidth, 1)),
      screenHeight_(std::max(screenHeight, 1)),
      scale_(std::max(1, std::min(windowWidth / screenWidth_, windowHeight / screenHeight_))),
      offsetX_((windowWidth - screenWidth_ * scale_) / 2),
      offsetY_((windowHeight - screenHeight_ * scale_) / 2) {}

std::optional<ScreenPoint> ScreenLayout::ToScreen(int windowX, int windowY) const {
    const ScreenPoint p{FloorDiv(windowX - offsetX_, scale_), FloorDiv(windowY - offsetY_, scale_)};
    if (p.x < 0 || p.y < 0 || p.x >= screenWidth_ || p.y >= screenHeight_) {
        return std::nullopt;
    }
    return p;
}

ScreenPoint ScreenLayout::ToWindow(int screenX, int screenY) const {
    return {offsetX_ + screenX * scale_ + scale_ / 2, offsetY_ + screenY * scale_ + scale_ / 2};
}

}  // namespace backend
