#include "platform/raster/canvas.h"

#include "platform/raster/pixel_write.h"

namespace raster {

Canvas CanvasFor(Framebuffer& target) {
    return {&target, 0, 0, Region(Rect{0, 0, target.Width(), target.Height()})};
}

void SetPixel(const Canvas& canvas, int x, int y, Pixel color) {
    detail::WritePixel(canvas, x, y, color);
}

void FillRect(const Canvas& canvas, const Rect& rect, Pixel color) {
    detail::WriteArea(canvas, detail::ToArea(rect), color);
}

}  // namespace raster
