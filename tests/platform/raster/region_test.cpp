// Regions against a pixel model: every operation keeps exactly the right pixels, in rectangles
// that neither overlap nor are empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

#include "platform/raster/region.h"
#include "tests/platform/raster/raster_art.h"

namespace {

using raster::Rect;
using raster::Region;
using Rects = std::vector<Rect>;
using Inside = std::function<bool(int, int)>;

// The pixels of -24..23 × -24..23 for which `inside` holds, as a picture.
std::string Picture(const Inside& inside) {
    std::string picture;
    for (int y = -24; y < 24; ++y) {
        for (int x = -24; x < 24; ++x) {
            picture += inside(x, y) ? '#' : '.';
        }
        picture += '\n';
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
        Rects{}, Rects{{0, 0, 4, 4}}, Rects{{0, 0, 0, 5}, {3, 3, 2, 8}},
        Rects{{0, 0, 6, 6}, {3, 3, 9, 9}}, Rects{{0, 0, 10, 10}, {2, 2, 4, 4}},
        Rects{{2, 2, 4, 4}, {0, 0, 10, 10}}, Rects{{0, 4, 12, 6}, {5, 0, 7, 12}},
        Rects{{-8, -8, 8, -4}, {-8, 4, 8, 8}, {-9, -9, 9, 9}},
        Rects{{0, 0, 3, 3}, {3, 0, 6, 3}, {0, 3, 6, 6}, {1, 1, 5, 5}},
        Rects{{-5, 0, 5, 1}, {-4, 1, 4, 2}, {-3, -1, 3, 5}, {-6, 3, 0, 4}, {2, -6, 9, 0}},
        Rects{{-20, -20, -15, 20}, {-3, -1, 3, 5}, {-6, 3, 0, 4}}));

TEST(RegionEdgeTest, TouchingRepeatedNeighbouringAndFarRectangles) {
    Region region(Rect{0, 0, 5, 5});
    region.IntersectWith({5, 0, 9, 5});
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_TRUE(region.Bounds().IsEmpty());

    // Update regions grow by repeated and neighbouring invalidations; they must stay short.
    for (int i = 0; i < 50; ++i) {
        region.Add(Rect{0, 0, 10, 10});
    }
    EXPECT_EQ(region.Rects().size(), 1u);
    Region row;
    for (int x = 0; x < 176; ++x) {
        row.Add(Rect{x, 0, x + 1, 1});
    }
    EXPECT_EQ(row.Rects(), (Rects{{0, 0, 176, 1}}));
    row.Add(Rect{3, 5, 9, 8});
    row.Add(Rect{-1, -1, 200, 20});
    EXPECT_EQ(row.Rects(), (Rects{{-1, -1, 200, 20}}));

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
