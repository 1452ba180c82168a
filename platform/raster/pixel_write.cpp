#include "platform/raster/pixel_write.h"

#include <algorithm>

namespace raster::detail {

Area ToArea(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

Area Intersect(const Area& a, const Area& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

Area WritableArea(const Canvas& canvas) {
    if (canvas.target == nullptr) {
        return {};
    }
    const Area framebuffer{0, 0, canvas.target->Width(), canvas.target->Height()};
    const Area visible = Intersect(framebuffer, ToArea(canvas.clip.Bounds()));
    return {visible.left - canvas.originX, visible.top - canvas.originY,
            visible.right - canvas.originX, visible.bottom - canvas.originY};
}

void WritePixel(const Canvas& canvas, std::int64_t x, std::int64_t y, Pixel color) {
    if (canvas.target == nullptr) {
        return;
    }
    const std::int64_t fx = x + canvas.originX;
    const std::int64_t fy = y + canvas.originY;
    if (fx < 0 || fy < 0 || fx >= canvas.target->Width() || fy >= canvas.target->Height()) {
        return;
    }
    const int px = static_cast<int>(fx);
    const int py = static_cast<int>(fy);
    if (canvas.clip.Contains(px, py)) {
        canvas.target->Set(px, py, color);
    }
}

void WriteArea(const Canvas& canvas, const Area& area, Pixel color) {
    const Area visible = Intersect(area, WritableArea(canvas));
    for (std::int64_t y = visible.top; y < visible.bottom; ++y) {
        for (std::int64_t x = visible.left; x < visible.right; ++x) {
            WritePixel(canvas, x, y, color);
        }
    }
}

}  // namespace raster::detail
