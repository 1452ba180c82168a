#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/raster/canvas.h"
#include "platform/raster/pixel_write.h"

namespace raster {
namespace {

// Pixels left..right-1 of one row; empty when right <= left.
struct Run {
    std::int64_t left = 0;
    std::int64_t right = 0;
};

// The pixels of the ellipse inscribed in a box, row by row.
//
// Distances are counted in whole pixels from the middle of the box: from its middle column or
// row when that side is odd, from the nearer of its two middle ones when it is even. A box of
// an even side is thus the ellipse of the odd side one pixel shorter with its middle column or
// row doubled, so the middle rows always reach the left and right edges and the middle columns
// the top and bottom edges. A pixel belongs to the ellipse when its distances (dx, dy) satisfy
// (dx / rx)^2 + (dy / ry)^2 <= 1 with radii a quarter of a pixel longer than the half-sides:
// the top and bottom rows then hold a few pixels, not a lone spike, no pixel outside the box is
// reached, and no pixel lies exactly on the curve, so rounding never decides one.
class InscribedEllipse {
  public:
    explicit InscribedEllipse(const detail::Area& box)
        : box_(box),
          halfX_((box.right - box.left - 1) / 2),
          halfY_((box.bottom - box.top - 1) / 2) {}

    bool IsEmpty() const { return box_.IsEmpty(); }

    Run RowRun(std::int64_t y) const {
        if (IsEmpty() || y < box_.top || y >= box_.bottom) {
            return {};
        }
        const std::int64_t fromTop = y - box_.top;
        const std::int64_t fromBottom = box_.bottom - 1 - y;
        const std::int64_t dy = halfY_ - std::min({fromTop, fromBottom, halfY_});
        const double ratio = static_cast<double>(dy) / (static_cast<double>(halfY_) + 0.25);
        const double reach =
            (static_cast<double>(halfX_) + 0.25) * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
        const std::int64_t dx = std::min(static_cast<std::int64_t>(reach), halfX_);
        return {box_.left + halfX_ - dx, box_.right - halfX_ + dx};
    }

  private:
    detail::Area box_;
    std::int64_t halfX_;  // pixels between an edge and the nearest middle column
    std::int64_t halfY_;
};

void WriteRun(const Canvas& canvas, std::int64_t y, std::int64_t left, std::int64_t right,
              Pixel color) {
    detail::WriteArea(canvas, {left, y, right, y + 1}, color);
}

// Only the rows that can show are visited, so a huge box costs no more than a small one.
void FillEllipse(const Canvas& canvas, const InscribedEllipse& shape, const detail::Area& rows,
                 Pixel color) {
    for (std::int64_t y = rows.top; y < rows.bottom; ++y) {
        const Run run = shape.RowRun(y);
        WriteRun(canvas, y, run.left, run.right, color);
    }
}

// The outline is every pixel of the shape with a side-neighbour outside it, which makes an
// unbroken, 8-connected ring; the rest is the inside.
void OutlineEllipse(const Canvas& canvas, const InscribedEllipse& shape, const detail::Area& rows,
                    Pixel pen, BrushColor brush) {
    for (std::int64_t y = rows.top; y < rows.bottom; ++y) {
        const Run run = shape.RowRun(y);
        if (run.right <= run.left) {
            continue;
        }
        const Run above = shape.RowRun(y - 1);
        const Run below = shape.RowRun(y + 1);
        if (above.right <= above.left || below.right <= below.left) {
            WriteRun(canvas, y, run.left, run.right, pen);  // the top or bottom row
            continue;
        }
        const std::int64_t innerLeft = std::max({run.left + 1, above.left, below.left});
        const std::int64_t innerRight = std::min({run.right - 1, above.right, below.right});
        if (innerLeft >= innerRight) {
            WriteRun(canvas, y, run.left, run.right, pen);
            continue;
        }
        WriteRun(canvas, y, run.left, innerLeft, pen);
        WriteRun(canvas, y, innerRight, run.right, pen);
        if (brush) {
            WriteRun(canvas, y, innerLeft, innerRight, *brush);
        }
    }
}

}  // namespace

void DrawEllipse(const Canvas& canvas, const Rect& box, PenColor pen, BrushColor brush) {
    if (box.IsEmpty() || (!pen && !brush)) {
        return;
    }
    detail::Area area = detail::ToArea(box);
    if (!pen) {
        // Without a pen the shape loses its right column and bottom row, as Rectangle's does.
        --area.right;
        --area.bottom;
    }
    const InscribedEllipse shape(area);
    const detail::Area rows = detail::Intersect(area, detail::WritableArea(canvas));
    if (shape.IsEmpty() || rows.IsEmpty()) {
        return;
    }
    if (pen) {
        OutlineEllipse(canvas, shape, rows, *pen, brush);
    } else {
        FillEllipse(canvas, shape, rows, *brush);
    }
}

}  // namespace raster
