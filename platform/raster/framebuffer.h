// A rectangle of 32-bit pixels, 0x00RRGGBB, that the drawing primitives write into.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace raster {

using Pixel = std::uint32_t;

constexpr Pixel MakePixel(int r, int g, int b) {
    return (static_cast<Pixel>(r & 0xFF) << 16) | (static_cast<Pixel>(g & 0xFF) << 8) |
           static_cast<Pixel>(b & 0xFF);
}

class Framebuffer {
  public:
    Framebuffer() = default;
    // A negative width or height makes an empty framebuffer.
    Framebuffer(int width, int height, Pixel fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Pixel At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Pixel p) { pixels_[Index(x, y)] = p; }
    // Sets `count` pixels from (x, y) rightwards; the caller keeps them inside the row.
    void FillRow(int x, int y, int count, Pixel p) {
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(Index(x, y)), count, p);
    }
    const Pixel* Data() const { return pixels_.data(); }
    void Fill(Pixel p);
    friend bool operator==(const Framebuffer&, const Framebuffer&) = default;

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace raster
