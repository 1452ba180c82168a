#include "platform/raster/framebuffer.h"

#include <algorithm>

namespace raster {

Framebuffer::Framebuffer(int width, int height, Pixel fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    // An empty side makes the whole framebuffer empty, so Contains() stays honest.
    if (width_ == 0 || height_ == 0) {
        width_ = 0;
        height_ = 0;
    }
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
}

void Framebuffer::Fill(Pixel p) {
    std::fill(pixels_.begin(), pixels_.end(), p);
}

}  // namespace raster
