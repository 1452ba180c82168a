// The parts of the screen that the platform draws itself: the title bar with the active
// window's title, and the soft-key bar with its labels.
#pragma once

#include <string>

#include "platform/raster/framebuffer.h"

namespace chrome {

void Draw(raster::Framebuffer& frame);

// The title of the program's main window (its first top-level window), in UTF-8: the desktop
// names the program by it whichever of its windows has the screen.
std::string ProgramTitle();

}  // namespace chrome
