// The parts of the screen that the platform draws itself: the title bar with the active
// window's title, and the soft-key bar with its labels.
#pragma once

#include <string>

#include "platform/raster/framebuffer.h"

namespace chrome {

void Draw(raster::Framebuffer& frame);

// The title of the window that has the screen, in UTF-8.
std::string ActiveTitle();

}  // namespace chrome
