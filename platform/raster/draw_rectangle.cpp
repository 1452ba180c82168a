#include "platform/raster/canvas.h"
#include "platform/raster/pixel_write.h"

namespace raster {

void DrawRectangle(const Canvas& canvas, const Rect& box, PenColor pen, BrushColor brush) {
    if (box.IsEmpty()) {
        return;
    }
    const detail::Area b = detail::ToArea(box);
    if (!pen) {
        if (brush) {
            detail::WriteArea(canvas, {b.left, b.top, b.right - 1, b.bottom - 1}, *brush);
        }
        return;
    }
    if (brush) {
        detail::WriteArea(canvas, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, *brush);
    }
    const detail::Area edges[] = {
        {b.left, b.top, b.right, b.top + 1},
        {b.left, b.bottom - 1, b.right, b.bottom},
        {b.left, b.top, b.left + 1, b.bottom},
        {b.right - 1, b.top, b.right, b.bottom},
    };
    for (const detail::Area& edge : edges) {
        detail::WriteArea(canvas, edge, *pen);
    }
}

}  // namespace raster
