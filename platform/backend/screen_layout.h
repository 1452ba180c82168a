// Where the phone screen sits in the desktop window: the largest whole-number scale that fits
// (at least 1), centred, the rest of the window black.
#pragma once

#include <optional>

namespace backend {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

class ScreenLayout {
  public:
    ScreenLayout(int windowWidth, int windowHeight, int screenWidth, int screenHeight);

    int Scale() const { return scale_; }
    // Where the screen's top-left pixel starts in the window (negative in a window too small).
    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }
    // The phone-screen pixel under window pixel (x, y); nothing in the black border.
    std::optional<ScreenPoint> ToScreen(int windowX, int windowY) const;
    // The window pixel at the centre of phone-screen pixel (x, y).
    ScreenPoint ToWindow(int screenX, int screenY) const;

  private:
    int screenWidth_;
    int screenHeight_;
    int scale_;
    int offsetX_;
    int offsetY_;
};

}  // namespace backend
