#include "text_test_support.h"

namespace text_test {

namespace {

raster::Rect BoundsOfPixels(int width, int height, const std::function<bool(int, int)>& wanted) {
    raster::Rect bounds;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (wanted(x, y)) {
                bounds = raster::Union(bounds, raster::Rect{x, y, x + 1, y + 1});
            }
        }
    }
    return bounds;
}

}  // namespace

raster::Rect BoundsWhere(const raster::Framebuffer& image,
                         const std::function<bool(raster::Pixel)>& wanted) {
    return BoundsOfPixels(image.Width(), image.Height(),
                          [&](int x, int y) { return wanted(image.At(x, y)); });
}

raster::Rect ChangedBounds(const raster::Framebuffer& before, const raster::Framebuffer& after) {
    return BoundsOfPixels(after.Width(), after.Height(),
                          [&](int x, int y) { return before.At(x, y) != after.At(x, y); });
}

int CountWhere(const raster::Framebuffer& image, const std::function<bool(raster::Pixel)>& wanted) {
    int count = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            count += wanted(image.At(x, y)) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace text_test
