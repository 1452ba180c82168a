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
    if (canvas.target == nullptr) {
        return;
    }
    // Clipped rectangle by rectangle (they never overlap), in framebuffer pixels, so that no
    // pixel needs a test of its own.
    const Area framebuffer{0, 0, canvas.target->Width(), canvas.target->Height()};
    const Area wanted{area.left + canvas.originX, area.top + canvas.originY,
                      area.right + canvas.originX, area.bottom + canvas.originY};
    const Area onFramebuffer = Intersect(wanted, framebuffer);
    for (const Rect& clip : canvas.clip.Rects()) {
        const Area part = Intersect(onFramebuffer, ToArea(clip));
        if (part.IsEmpty()) {
            continue;
        }
        for (std::int64_t y = part.top; y < part.bottom; ++y) {
            canvas.target->FillRow(static_cast<int>(part.left), static_cast<int>(y),
                                   static_cast<int>(part.right - part.left), color);
        }
    }
}

}  // namespace raster::detail
