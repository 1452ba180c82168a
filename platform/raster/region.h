// A set of pixels made of rectangles: the update region of a window and the clip of a paint.
#pragma once

#include <vector>

#include "platform/raster/rect.h"

namespace raster {

class Region {
  public:
    Region() = default;
    explicit Region(const Rect& rect) { Add(rect); }

    // Adds the rectangle's pixels; an empty rectangle adds nothing.
    void Add(const Rect& rect);
    void Add(const Region& other);
    // Keeps only the pixels inside `rect`.
    void IntersectWith(const Rect& rect);
    void Offset(int dx, int dy);
    void Clear() { rects_.clear(); }

    bool IsEmpty() const { return rects_.empty(); }
    bool Contains(int x, int y) const;
    // The smallest rectangle holding every pixel of the region.
    Rect Bounds() const;
    // Rectangles that do not overlap; together they are exactly the region's pixels.
    const std::vector<Rect>& Rects() const { return rects_; }

  private:
    std::vector<Rect> rects_;
};

}  // namespace raster
