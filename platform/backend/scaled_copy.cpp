#include "platform/backend/scaled_copy.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/backend/frame_surface.h"

namespace backend {

SDL_Rect CopyScaled(const raster::Framebuffer& frame, raster::Rect changed,
                    const ScreenLayout& layout, SDL_Surface* surface) {
    changed = raster::Intersect(changed, {0, 0, frame.Width(), frame.Height()});
    const int scale = layout.Scale();
    // The changed pixels in window pixels, cut to the surface.
    const raster::Rect target = raster::Intersect(
        {layout.OffsetX() + changed.left * scale, layout.OffsetY() + changed.top * scale,
         layout.OffsetX() + changed.right * scale, layout.OffsetY() + changed.bottom * scale},
        {0, 0, surface->w, surface->h});
    if (changed.IsEmpty() || target.IsEmpty() || SDL_LockSurface(surface) != 0) {
        return {};
    }
    const int bytes = surface->format->BytesPerPixel;
    const int sourcePitch = frame.Width() * static_cast<int>(sizeof(raster::Pixel));
    // One source row in the surface's format, then widened to whole window rows.
    std::vector<Uint8> converted(static_cast<std::size_t>(changed.Width() * bytes));
    std::vector<Uint8> widened(static_cast<std::size_t>(changed.Width() * scale * bytes));
    const int firstX = layout.OffsetX() + changed.left * scale;
    for (int y = changed.top; y < changed.bottom; ++y) {
        SDL_ConvertPixels(changed.Width(), 1, kFramePixelFormat,
                          frame.Data() + y * frame.Width() + changed.left, sourcePitch,
                          surface->format->format, converted.data(),
                          static_cast<int>(converted.size()));
        for (int x = 0; x < changed.Width(); ++x) {
            for (int copy = 0; copy < scale; ++copy) {
                std::memcpy(&widened[static_cast<std::size_t>((x * scale + copy) * bytes)],
                            &converted[static_cast<std::size_t>(x * bytes)],
                            static_cast<std::size_t>(bytes));
            }
        }
        const int rowTop = std::max(layout.OffsetY() + y * scale, target.top);
        const int rowBottom = std::min(layout.OffsetY() + (y + 1) * scale, target.bottom);
        const std::size_t skip = static_cast<std::size_t>((target.left - firstX) * bytes);
        for (int row = rowTop; row < rowBottom; ++row) {
            auto* line = static_cast<Uint8*>(surface->pixels) + row * surface->pitch;
            std::memcpy(line + target.left * bytes, widened.data() + skip,
                        static_cast<std::size_t>(target.Width() * bytes));
        }
    }
    SDL_UnlockSurface(surface);
    return {target.left, target.top, target.Width(), target.Height()};
}

raster::Rect ChangedArea(const raster::Framebuffer& before, const raster::Framebuffer& after) {
    raster::Rect area;
    for (int y = 0; y < after.Height(); ++y) {
        const raster::Pixel* a = before.Data() + y * before.Width();
        const raster::Pixel* b = after.Data() + y * after.Width();
        if (std::equal(a, a + after.Width(), b)) {
            continue;
        }
        int left = 0;
        while (a[left] == b[left]) {
            ++left;
        }
        int right = after.Width();
        while (a[right - 1] == b[right - 1]) {
            --right;
        }
        area = raster::Union(area, {left, y, right, y + 1});
    }
    return area;
}

}  // namespace backend
