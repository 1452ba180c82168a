// The one place where the primitives write pixels, and the bounds that keep their loops short.
// Coordinates are logical and 64-bit, so that adding the origin never overflows.
#pragma once

#include <cstdint>

#include "platform/raster/canvas.h"

namespace raster::detail {

// Logical pixels left..right-1, top..bottom-1.
struct Area {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
};

Area ToArea(const Rect& rect);
Area Intersect(const Area& a, const Area& b);

// The logical pixels the canvas may write at all: its clip inside its framebuffer, seen through
// the origin. Empty when the canvas has no framebuffer.
Area WritableArea(const Canvas& canvas);

// Writes one logical pixel if it lands inside the framebuffer and the clip region.
void WritePixel(const Canvas& canvas, std::int64_t x, std::int64_t y, Pixel color);

// Writes every pixel of `area`; only its writable part is visited, however large it is.
void WriteArea(const Canvas& canvas, const Area& area, Pixel color);

}  // namespace raster::detail
