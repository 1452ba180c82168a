// Shared pieces of the text tests: a measure with fixed widths and ways to find what a drawing
// changed.
#pragma once

#include <functional>

#include "platform/raster/canvas.h"
#include "platform/text/text_measure.h"

namespace text_test {

// Every character is 5 pixels wide except 'W' (9) and ' ' (3); lines are 10 pixels high.
class FixedMeasure : public text::TextMeasure {
  public:
    static constexpr int kChar = 5;
    static constexpr int kWide = 9;
    static constexpr int kSpace = 3;
    static constexpr int kLine = 10;
    int Advance(wchar_t c) const override { return c == L'W' ? kWide : c == L' ' ? kSpace : kChar; }
    int LineHeight() const override { return kLine; }
};

// The smallest rectangle holding every pixel for which `wanted` holds; empty when none does.
raster::Rect BoundsWhere(const raster::Framebuffer& image,
                         const std::function<bool(raster::Pixel)>& wanted);

// The smallest rectangle holding every pixel of `after` that differs from `before`.
raster::Rect ChangedBounds(const raster::Framebuffer& before, const raster::Framebuffer& after);

int CountWhere(const raster::Framebuffer& image, const std::function<bool(raster::Pixel)>& wanted);

}  // namespace text_test
