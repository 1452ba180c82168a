// The drawing primitives through the canvas's origin and clip; regions against a pixel model:
// every operation keeps exactly its pixels, in rectangles neither overlapping nor empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "platform/raster/region.h"
#include "tests/support/raster_art.h"

namespace {

using raster::Canvas;
using raster::Framebuffer;
using raster::Rect;
using namespace raster_test;

// Without a pen one pixel smaller; a reversed box draws nothing.
TEST(RectangleTest, DrawsThePlatformsPixels) {
    Framebuffer image(7, 4, kPaper);
    raster::DrawRectangle(raster::CanvasFor(image), {1, 0, 6, 4}, kPen, kBrush);
    raster::DrawRectangle(raster::CanvasFor(image), {1, 0, 6, 4}, std::nullopt, kPaper);
    raster::DrawRectangle(raster::CanvasFor(image), {6, 3, -2, 1}, kPen, kBrush);
    EXPECT_EQ(Art(image), Art(".....#. .....#. .....#. .#####."));
}

// Boxes of every width (the parameter) and height from 1 to 15 pixels: symmetric rows, each one
// run widening towards the middle, the pen exactly on the shape's edge, touching the box's.
class EllipseShapeTest : public ::testing::TestWithParam<int> {};

TEST_P(EllipseShapeTest, IsASymmetricOutlinedShapeFillingItsBox) {
    for (int height = 1; height <= 15; ++height) {
        const Rect box{3, 2, 3 + GetParam(), 2 + height};
        Framebuffer image(20, 20, kPaper);
        raster::DrawEllipse(raster::CanvasFor(image), box, kPen, kBrush);
        SCOPED_TRACE(::testing::Message() << GetParam() << " x " << height << Art(image));
        const auto at = [&](int x, int y) {
            return image.Contains(x, y) ? image.At(x, y) : kPaper;
        };
        for (int y = 0, previousWidth = 0; y < 20; ++y) {
            int runs = 0;
            int width = 0;
            for (int x = 0; x < 20; ++x) {
                const raster::Pixel p = at(x, y);
                if (p == kPaper) {
                    continue;
                }
                EXPECT_TRUE(box.Contains(x, y)) << x << "," << y;
                EXPECT_EQ(at(box.left + box.right - 1 - x, y), p) << x << "," << y;
                EXPECT_EQ(at(x, box.top + box.bottom - 1 - y), p) << x << "," << y;
                const bool edge = at(x - 1, y) == kPaper || at(x + 1, y) == kPaper ||
                                  at(x, y - 1) == kPaper || at(x, y + 1) == kPaper;
                EXPECT_EQ(p == kPen, edge) << "the pen is the edge, at " << x << "," << y;
                runs += at(x - 1, y) == kPaper;
                ++width;
            }
            if (y >= box.top && y < box.top + (height + 1) / 2) {
                EXPECT_EQ(runs, 1) << "row " << y;
                EXPECT_GE(width, previousWidth) << "row " << y;
                previousWidth = width;
            }
        }
        EXPECT_EQ(image.At(box.left + GetParam() / 2, box.top), kPen);
        EXPECT_EQ(image.At(box.left, box.top + height / 2), kPen);
        Framebuffer unpenned(20, 20, kPaper);
        Framebuffer smaller(20, 20, kPaper);
        raster::DrawEllipse(raster::CanvasFor(unpenned), box, std::nullopt, kBrush);
        raster::DrawEllipse(raster::CanvasFor(smaller),
                            {box.left, box.top, box.right - 1, box.bottom - 1}, kBrush, kBrush);
        EXPECT_EQ(Art(unpenned), Art(smaller)) << "without a pen it is one pixel smaller";
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, EllipseShapeTest, ::testing::Range(1, 16));

// Only the visible rows and columns of a huge box are computed, and nothing overflows.
TEST(EllipseTest, HugeBoxesFinishAndFillTheVisibleMiddle) {
    Framebuffer image(8, 8, kPaper);
    const Canvas canvas = raster::CanvasFor(image);
    raster::DrawEllipse(canvas, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kPen, kBrush);
    EXPECT_EQ(PixelsOf(image, kBrush).size(), 64u);
    raster::DrawEllipse(canvas, {-1000000000, 3, 1000000000, 5}, kPen, std::nullopt);
    EXPECT_EQ(Art(image), Art("oooooooo oooooooo oooooooo ######## ######## oooooooo oooooooo "
                              "oooooooo"));
}

// Lines from (8, 8) into every octant, along the axes and diagonals, and with halfway ties.
class LineTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(LineTest, OnePixelPerStepNearestTheExactLineFromTheStartLeavingOutTheEnd) {
    const auto [endX, endY] = GetParam();
    Framebuffer image(16, 16, kPaper);
    raster::DrawLine(raster::CanvasFor(image), 8, 8, endX, endY, kPen);
    SCOPED_TRACE(Art(image));
    const int dx = endX - 8, dy = endY - 8;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const int direction = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const PixelSet drawn = PixelsOf(image, kPen);
    std::set<int> stepsDrawn;
    for (const auto& [x, y] : drawn) {
        const int step = ((xMajor ? x : y) - 8) * direction;
        EXPECT_TRUE(step >= 0 && step < steps && stepsDrawn.insert(step).second) << x << "," << y;
        const double exact = 8 + static_cast<double>(xMajor ? dy : dx) * step / steps;
        EXPECT_LE(std::fabs((xMajor ? y : x) - exact), 0.5) << x << "," << y;
    }
    EXPECT_EQ(drawn.size(), static_cast<size_t>(steps));
    EXPECT_EQ(drawn.count({8, 8}), 1u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ends, LineTest, ::testing::ValuesIn(std::vector<std::pair<int, int>>{
    {13, 10}, {10, 13}, {6, 13}, {3, 10}, {3, 6}, {6, 3}, {10, 3}, {13, 6}, {14, 8}, {8, 1},
    {3, 3}, {12, 10}, {4, 6}, {15, 9}}));
// clang-format on

// Far ends cost only the visible steps; ends outside the 27-bit device space draw nothing.
TEST(LineEdgeTest, FarEnds) {
    Framebuffer far(8, 4, kPaper);
    raster::DrawLine(raster::CanvasFor(far), -100000000, 1, 100000000, 1, kPen);
    raster::DrawLine(raster::CanvasFor(far), 5, 100000000, 5, -100000000, kPen);
    raster::DrawLine(raster::CanvasFor(far), -2000000000, 3, 2000000000, 3, kPen);
    EXPECT_EQ(Art(far), Art(".....#.. ######## .....#.. .....#.."));
}

// Every primitive, covering the whole framebuffer and more.
void DrawPrimitive(int which, const Canvas& c) {
    Framebuffer source(16, 16, kBrush);
    for (int i = 0; i < 16; ++i) {
        source.Set(i, (i * 7) % 16, kPen);
        if (which == 0) {
            raster::SetPixel(c, i, i, kPen);
            raster::SetPixel(c, 15 - i, i, kBrush);
        } else if (which == 4) {
            raster::DrawLine(c, i * 3 - 4, -2, 22 - i * 3, 18, kPen);
        }
    }
    if (which == 1) {
        raster::FillRect(c, {-4, -4, 40, 40}, kPen);
    } else if (which == 2) {
        raster::DrawRectangle(c, {3, 1, 12, 11}, kPen, kBrush);
    } else if (which == 3) {
        raster::DrawEllipse(c, {0, 0, 16, 13}, kPen, kBrush);
    } else if (which == 5) {
        raster::Blit(c, -1, 1, 20, 20, source, 0, 0);
    }
}

// SetPixel, FillRect, Rectangle, Ellipse, lines, Blit.
class ClipTest : public ::testing::TestWithParam<int> {};

TEST_P(ClipTest, ClippedDrawingIsTheUnclippedOneInsideTheRegionAndNothingElse) {
    Framebuffer unclipped(16, 16, kPaper);
    DrawPrimitive(GetParam(), raster::CanvasFor(unclipped));
    Framebuffer clipped(16, 16, kPaper);
    Canvas canvas = raster::CanvasFor(clipped);
    canvas.clip = raster::Region(Rect{2, 2, 6, 6});
    canvas.clip.Add(Rect{9, 9, 13, 12});
    DrawPrimitive(GetParam(), canvas);

    Framebuffer expected(16, 16, kPaper);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            expected.Set(x, y, canvas.clip.Contains(x, y) ? unclipped.At(x, y) : kPaper);
        }
    }
    ASSERT_NE(Art(unclipped), Art(Framebuffer(16, 16, kPaper)));
    EXPECT_EQ(Art(clipped), Art(expected));
}

INSTANTIATE_TEST_SUITE_P(Primitives, ClipTest, ::testing::Range(0, 6));

TEST(CanvasTest, LogicalCoordinatesAreMovedByTheOriginButTheClipIsNot) {
    Framebuffer image(8, 6, kPaper);
    Canvas canvas = raster::CanvasFor(image);
    canvas.originX = 3;
    canvas.originY = 2;
    raster::DrawRectangle(canvas, {0, 0, 4, 3}, kPen, kBrush);
    canvas.clip = raster::Region(Rect{0, 0, 2, 2});
    raster::FillRect(canvas, {-3, -2, 10, 10}, kBrush);
    EXPECT_EQ(Art(image), Art("oo...... oo...... ...####. ...#oo#. ...####. ........"));
}

// Scrolling copies a framebuffer onto itself; each pixel must come from before the copy.
TEST(BlitTest, OverlappingCopyWithinOneFramebufferReadsTheOriginal) {
    Framebuffer image(6, 2, kPaper);
    for (const auto& [x, y, ink] : {std::tuple{0, 0, kPen},
                                    {1, 0, kBrush},
                                    {2, 0, kBrush},
                                    {3, 0, kPen},
                                    {0, 1, kBrush},
                                    {1, 1, kPen}}) {
        image.Set(x, y, ink);
    }
    const Canvas canvas = raster::CanvasFor(image);
    raster::Blit(canvas, 1, 0, 5, 1, image, 0, 0);
    raster::Blit(canvas, 0, 1, 5, 1, image, 1, 1);
    EXPECT_EQ(Art(image), Art("##oo#. #....."));
}

using raster::Region;
using Rects = std::vector<Rect>;
using Inside = std::function<bool(int, int)>;

// The pixels of -24..23 × -24..23 for which `inside` holds, as a picture.
std::string Picture(const Inside& inside) {
    std::string picture;
    for (int i = 0; i < 48 * 48; ++i) {
        picture += std::string(i % 48 == 0, '\n') + (inside(i % 48 - 24, i / 48 - 24) ? '#' : '.');
    }
    return picture;
}

bool InAny(const Rects& rects, int x, int y) {
    return std::any_of(rects.begin(), rects.end(), [&](const Rect& r) { return r.Contains(x, y); });
}

void ExpectHolds(const Region& region, const Inside& inside) {
    const Rects& rects = region.Rects();
    for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_FALSE(rects[i].IsEmpty());
        for (size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_TRUE(raster::Intersect(rects[i], rects[j]).IsEmpty()) << i << " overlaps " << j;
        }
    }
    EXPECT_EQ(Picture([&](int x, int y) { return region.Contains(x, y); }), Picture(inside));
}

class RegionTest : public ::testing::TestWithParam<Rects> {};

TEST_P(RegionTest, AddIntersectOffsetAndBoundsKeepExactlyTheirPixels) {
    const Rects& rects = GetParam();
    Region region;
    for (const Rect& r : rects) {
        region.Add(r);
    }
    ExpectHolds(region, [&](int x, int y) { return InAny(rects, x, y); });

    Rect bounds;
    for (int y = -24; y < 24; ++y) {
        for (int x = -24; x < 24; ++x) {
            bounds = InAny(rects, x, y) ? raster::Union(bounds, {x, y, x + 1, y + 1}) : bounds;
        }
    }
    EXPECT_EQ(region.Bounds(), bounds);

    const Rect window{-3, -2, 7, 5};
    Region clipped = region;
    clipped.IntersectWith(window);
    ExpectHolds(clipped, [&](int x, int y) { return window.Contains(x, y) && InAny(rects, x, y); });

    Region moved = region;
    moved.Offset(3, -4);
    ExpectHolds(moved, [&](int x, int y) { return InAny(rects, x - 3, y + 4); });

    const Rect corner{-10, -10, -6, -6};
    Region joined(corner);
    joined.Add(region);
    joined.Add(joined);
    ExpectHolds(joined, [&](int x, int y) { return corner.Contains(x, y) || InAny(rects, x, y); });
}

// Empty rectangles, overlaps, rectangles inside or covering earlier ones, crosses, holes.
INSTANTIATE_TEST_SUITE_P(
    Shapes, RegionTest,
    ::testing::Values(
        Rects{}, Rects{{0, 0, 0, 5}, {3, 3, 2, 8}}, Rects{{0, 0, 6, 6}, {3, 3, 9, 9}},
        Rects{{0, 0, 10, 10}, {2, 2, 4, 4}}, Rects{{2, 2, 4, 4}, {0, 0, 10, 10}},
        Rects{{0, 4, 12, 6}, {5, 0, 7, 12}}, Rects{{-8, -8, 8, -4}, {-8, 4, 8, 8}, {-9, -9, 9, 9}},
        Rects{{0, 0, 3, 3}, {3, 0, 6, 3}, {0, 3, 6, 6}, {1, 1, 5, 5}},
        Rects{{-5, 0, 5, 1}, {-4, 1, 4, 2}, {-3, -1, 3, 5}, {-6, 3, 0, 4}, {2, -6, 9, 0}},
        Rects{{-20, -20, -15, 20}, {-3, -1, 3, 5}, {-6, 3, 0, 4}}));

TEST(RegionEdgeTest, TouchingRepeatedNeighbouringAndFarRectangles) {
    Region region(Rect{0, 0, 5, 5});
    region.IntersectWith({5, 0, 9, 5});
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_TRUE(region.Bounds().IsEmpty());

    // Update regions grow by repeated and neighbouring invalidations; they must stay short.
    for (int x = 0; x < 176; ++x) {
        region.Add(Rect{x, 0, x + 1, 1});
        region.Add(Rect{0, 0, 1, 1});
    }
    EXPECT_EQ(region.Rects(), (Rects{{0, 0, 176, 1}}));
    region.Add(Rect{-1, -1, 200, 20});
    EXPECT_EQ(region.Rects(), (Rects{{-1, -1, 200, 20}}));

    // Offsets saturate at the integer limits instead of overflowing.
    Region high(Rect{INT_MAX - 4, 0, INT_MAX, 4});
    high.Offset(10, 0);
    EXPECT_TRUE(high.IsEmpty());
    Region low(Rect{INT_MIN, 0, INT_MIN + 8, 4});
    low.Offset(-4, 0);
    EXPECT_TRUE(low.Contains(INT_MIN, 0));
    EXPECT_FALSE(low.Contains(INT_MIN + 4, 0));
}

}  // namespace
