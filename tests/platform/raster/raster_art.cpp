#include "tests/platform/raster/raster_art.h"

namespace raster_test {

std::string Art(const raster::Framebuffer& framebuffer) {
    std::string art;
    for (int y = 0; y < framebuffer.Height(); ++y) {
        art += '\n';
        for (int x = 0; x < framebuffer.Width(); ++x) {
            const raster::Pixel p = framebuffer.At(x, y);
            art += p == kPaper ? '.' : p == kPen ? '#' : p == kBrush ? 'o' : '?';
        }
    }
    return art;
}

std::string Art(std::initializer_list<std::string_view> rows) {
    std::string art;
    for (std::string_view row : rows) {
        art += '\n';
        art += row;
    }
    return art;
}

PixelSet PixelsOf(const raster::Framebuffer& framebuffer, raster::Pixel color) {
    PixelSet pixels;
    for (int y = 0; y < framebuffer.Height(); ++y) {
        for (int x = 0; x < framebuffer.Width(); ++x) {
            if (framebuffer.At(x, y) == color) {
                pixels.emplace(x, y);
            }
        }
    }
    return pixels;
}

}  // namespace raster_test
