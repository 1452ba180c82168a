// Drawing primitives with the platform's pixel rules, into a framebuffer through a clip region.
//
// Coordinates are logical: a point (x, y) lands on the framebuffer pixel
// (x + originX, y + originY), and only where the clip region (in framebuffer pixels) holds it.
// Rectangle edges follow the platform's rule: right and bottom are the first pixel outside.
#pragma once

#include <optional>

#include "platform/raster/framebuffer.h"
#include "platform/raster/region.h"

namespace raster {

struct Canvas {
    Framebuffer* target = nullptr;
    int originX = 0;
    int originY = 0;
    Region clip;  // framebuffer pixels that may be written
};

// A canvas over the whole framebuffer, with the origin at its top-left pixel.
Canvas CanvasFor(Framebuffer& target);

// A pen of width 1 draws outlines and lines; no pen (std::nullopt) draws none.
using PenColor = std::optional<Pixel>;
// A brush fills interiors; no brush draws none.
using BrushColor = std::optional<Pixel>;

void SetPixel(const Canvas& canvas, int x, int y, Pixel color);

// Fills every pixel of `rect` (logical coordinates).
void FillRect(const Canvas& canvas, const Rect& rect, Pixel color);

// The platform's Rectangle: the outline on the box's edge pixels (left..right-1, top..bottom-1)
// with the pen, the inside with the brush. Without a pen the filled box is one pixel smaller in
// width and height (left..right-2, top..bottom-2).
void DrawRectangle(const Canvas& canvas, const Rect& box, PenColor pen, BrushColor brush);

// The platform's Ellipse: the ellipse inscribed in the box (same edge rule as DrawRectangle),
// outlined with the pen and filled with the brush, never touching a pixel outside the box.
void DrawEllipse(const Canvas& canvas, const Rect& box, PenColor pen, BrushColor brush);

// A one-pixel line from (x0, y0) towards (x1, y1), leaving out the end point itself. As in the
// platform's device space, whose coordinates have 27 bits, a line with an end farther than
// 2^27 pixels from the framebuffer's corner is not drawn.
void DrawLine(const Canvas& canvas, int x0, int y0, int x1, int y1, Pixel color);

// Copies `width` × `height` pixels from `source` at (sourceX, sourceY) to (x, y); pixels
// outside the source are left alone. The source may be the canvas's own framebuffer, also
// with overlapping areas: what is copied is the source as it was before the call.
void Blit(const Canvas& canvas, int x, int y, int width, int height, const Framebuffer& source,
          int sourceX, int sourceY);

}  // namespace raster
