#include "platform/text/glyph_blend.h"

namespace text {

namespace {

constexpr int kFull = 255;

int Channel(raster::Pixel p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

}  // namespace

raster::Pixel Blend(raster::Pixel under, raster::Pixel over, int coverage) {
    auto mix = [&](int shift) {
        return (Channel(over, shift) * coverage + Channel(under, shift) * (kFull - coverage) +
                kFull / 2) /
               kFull;
    };
    return raster::MakePixel(mix(16), mix(8), mix(0));
}

void BlendGlyph(const raster::Canvas& canvas, const Glyph& glyph, int x, int y,
                raster::Pixel color) {
    if (canvas.target == nullptr) {
        return;
    }
    const raster::Framebuffer& target = *canvas.target;
    for (int row = 0; row < glyph.rows; ++row) {
        for (int column = 0; column < glyph.width; ++column) {
            const int coverage = glyph.coverage[static_cast<size_t>(row) * glyph.width + column];
            // 64-bit, so that the origin moves no far-off glyph round into view.
            const long long fx = static_cast<long long>(x) + column + canvas.originX;
            const long long fy = static_cast<long long>(y) + row + canvas.originY;
            if (coverage == 0 || fx < 0 || fy < 0 || fx >= target.Width() ||
                fy >= target.Height() ||
                !canvas.clip.Contains(static_cast<int>(fx), static_cast<int>(fy))) {
                continue;
            }
            const raster::Pixel under = target.At(static_cast<int>(fx), static_cast<int>(fy));
            raster::SetPixel(canvas, x + column, y + row, Blend(under, color, coverage));
        }
    }
}

}  // namespace text
