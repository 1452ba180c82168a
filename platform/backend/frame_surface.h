// An SDL surface that shows a framebuffer's pixels without copying them.
#pragma once

#include "platform/backend/sdl_handles.h"
#include "platform/raster/framebuffer.h"

namespace backend {

// The pixel layout of raster::Pixel (0x00RRGGBB in a 32-bit word).
constexpr Uint32 kFramePixelFormat = SDL_PIXELFORMAT_XRGB8888;

// For an image whose top byte is each pixel's opacity (0xAARRGGBB, as raster::DecodeBmpWithAlpha
// gives), such as the window's icon. Valid while the image lives and is not resized; SDL only
// reads through it. Null for an empty image or when SDL refuses (SDL_GetError says why).
SurfacePtr AlphaSurfaceOf(const raster::Framebuffer& image);

}  // namespace backend
