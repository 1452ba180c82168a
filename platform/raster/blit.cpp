#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/raster/canvas.h"
#include "platform/raster/pixel_write.h"

namespace raster {

void Blit(const Canvas& canvas, int x, int y, int width, int height, const Framebuffer& source,
          int sourceX, int sourceY) {
    // Offsets (i, j) into the copied block that are inside the block, inside the source and
    // writable on the canvas.
    const detail::Area writable = detail::WritableArea(canvas);
    const detail::Area block = detail::Intersect(
        detail::Intersect({0, 0, width, height}, {-std::int64_t{sourceX}, -std::int64_t{sourceY},
                                                  std::int64_t{source.Width()} - sourceX,
                                                  std::int64_t{source.Height()} - sourceY}),
        {writable.left - x, writable.top - y, writable.right - x, writable.bottom - y});
    if (block.IsEmpty()) {
        return;
    }
    // Copying within one framebuffer reads from a snapshot, so that overlapping areas are not
    // read after they have been written.
    std::optional<Framebuffer> snapshot;
    if (&source == canvas.target) {
        snapshot = source;
    }
    const Framebuffer& from = snapshot ? *snapshot : source;
    for (std::int64_t j = block.top; j < block.bottom; ++j) {
        for (std::int64_t i = block.left; i < block.right; ++i) {
            const Pixel pixel =
                from.At(static_cast<int>(sourceX + i), static_cast<int>(sourceY + j));
            detail::WritePixel(canvas, x + i, y + j, pixel);
        }
    }
}

}  // namespace raster
