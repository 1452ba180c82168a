#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/raster/canvas.h"
#include "platform/raster/pixel_write.h"

namespace raster {
namespace {

// The platform's device space has 27-bit coordinates; within it every product below fits.
constexpr std::int64_t kDeviceLimit = std::int64_t{1} << 27;

bool InDeviceSpace(const Canvas& canvas, std::int64_t x, std::int64_t y) {
    return std::llabs(x + canvas.originX) <= kDeviceLimit &&
           std::llabs(y + canvas.originY) <= kDeviceLimit;
}

// The visible steps of a run along one axis from `start` by `direction` (+1 or -1): the steps
// i in [first, last) whose coordinate start + direction * i lies in [low, high).
struct StepRange {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

StepRange VisibleSteps(std::int64_t start, std::int64_t direction, std::int64_t low,
                       std::int64_t high, std::int64_t steps) {
    const std::int64_t a = direction > 0 ? low - start : start - (high - 1);
    const std::int64_t b = direction > 0 ? high - start : start - low + 1;
    return {std::max<std::int64_t>(a, 0), std::min(b, steps)};
}

}  // namespace

// Bresenham's line: one pixel per step along the longer axis, the shorter axis following the
// exact line rounded to the nearest pixel (halves rounded away from the start). Step i's pixel
// comes straight from i, so the steps outside the writable area are skipped, not walked.
void DrawLine(const Canvas& canvas, int x0, int y0, int x1, int y1, Pixel color) {
    if (!InDeviceSpace(canvas, x0, y0) || !InDeviceSpace(canvas, x1, y1)) {
        return;
    }
    const std::int64_t dx = std::int64_t{x1} - x0;
    const std::int64_t dy = std::int64_t{y1} - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));  // end point excluded
    const std::int64_t minorDelta = xMajor ? std::llabs(dy) : std::llabs(dx);
    const std::int64_t majorStart = xMajor ? x0 : y0;
    const std::int64_t minorStart = xMajor ? y0 : x0;
    const std::int64_t majorDirection = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorDirection = (xMajor ? dy : dx) < 0 ? -1 : 1;

    const detail::Area area = detail::WritableArea(canvas);
    const StepRange visible =
        xMajor ? VisibleSteps(majorStart, majorDirection, area.left, area.right, steps)
               : VisibleSteps(majorStart, majorDirection, area.top, area.bottom, steps);
    for (std::int64_t i = visible.first; i < visible.last; ++i) {
        const std::int64_t major = majorStart + majorDirection * i;
        const std::int64_t minor =
            minorStart + minorDirection * ((2 * i * minorDelta + steps) / (2 * steps));
        if (xMajor) {
            detail::WritePixel(canvas, major, minor, color);
        } else {
            detail::WritePixel(canvas, minor, major, color);
        }
    }
}

}  // namespace raster
