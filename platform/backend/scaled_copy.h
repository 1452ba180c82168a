// The phone screen copied into the desktop window's own surface at a whole-number scale: no GL,
// only memory that the window system shows.
#pragma once

#include <SDL.h>

#include "platform/backend/screen_layout.h"
#include "platform/raster/framebuffer.h"
#include "platform/raster/rect.h"

namespace backend {

// The frame's pixels in `changed` (screen pixels), each drawn as a Scale() x Scale() square where
// `layout` puts it, in the surface's own pixel format; what falls outside the surface is cut
// off. Returns the surface rectangle written (empty when nothing was).
SDL_Rect CopyScaled(const raster::Framebuffer& frame, raster::Rect changed,
                    const ScreenLayout& layout, SDL_Surface* surface);

// The smallest rectangle holding every pixel that differs between two frames of the same size.
raster::Rect ChangedArea(const raster::Framebuffer& before, const raster::Framebuffer& after);

}  // namespace backend
