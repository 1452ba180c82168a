// Framebuffers as ASCII art ('.' paper, '#' pen, 'o' brush, '?' other; rows apart by spaces),
// so that a failure shows the picture; and where a framebuffer has some pixels.
#pragma once

#include <algorithm>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "platform/raster/canvas.h"

namespace raster_test {

inline constexpr raster::Pixel kPaper = raster::MakePixel(255, 255, 255);
inline constexpr raster::Pixel kPen = raster::MakePixel(0, 0, 0);
inline constexpr raster::Pixel kBrush = raster::MakePixel(0, 128, 0);

inline std::string Art(const raster::Framebuffer& image) {
    std::string art;
    for (int i = 0; i < image.Width() * image.Height(); ++i) {
        const raster::Pixel p = image.At(i % image.Width(), i / image.Width());
        art += std::string(i % image.Width() == 0, '\n') + (p == kPaper   ? '.'
                                                            : p == kPen   ? '#'
                                                            : p == kBrush ? 'o'
                                                                          : '?');
    }
    return art;
}

inline std::string Art(std::string_view rows) {
    std::string art = "\n" + std::string(rows);
    std::replace(art.begin(), art.end(), ' ', '\n');
    return art;
}

// The smallest rectangle holding every pixel (x, y) for which `wanted` holds.
inline raster::Rect BoundsWhere(const raster::Framebuffer& image,
                                const std::function<bool(int, int)>& wanted) {
    raster::Rect bounds;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            bounds = wanted(x, y) ? raster::Union(bounds, {x, y, x + 1, y + 1}) : bounds;
        }
    }
    return bounds;
}

inline raster::Rect ChangedBounds(const raster::Framebuffer& before,
                                  const raster::Framebuffer& after) {
    return BoundsWhere(after, [&](int x, int y) { return before.At(x, y) != after.At(x, y); });
}

using PixelSet = std::set<std::pair<int, int>>;  // (x, y)

inline PixelSet PixelsOf(const raster::Framebuffer& image, raster::Pixel colour) {
    PixelSet pixels;
    BoundsWhere(image, [&](int x, int y) {
        return image.At(x, y) == colour && pixels.emplace(x, y).second;
    });
    return pixels;
}

}  // namespace raster_test

namespace raster {
inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
}  // namespace raster
