// How many desktop pixels a phone pixel takes when the window opens.
#pragma once

#include <optional>

namespace backend {

constexpr int kDefaultScale = 3;
constexpr int kMaxScale = 8;

// TALVEX_SCALE's value as a scale: a whole number from 1 to kMaxScale, nothing else.
std::optional<int> ParseScale(const char* text);

// The default scale, made smaller (down to 1) until the window fits the display's usable area;
// an area of zero size is unknown and leaves the default.
int FitDefaultScale(int screenWidth, int screenHeight, int usableWidth, int usableHeight);

}  // namespace backend
