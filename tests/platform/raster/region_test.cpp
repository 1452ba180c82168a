#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/raster/region.h"
#include "tests/platform/raster/raster_art.h"

namespace {

using raster::Rect;
using raster::Region;

constexpr int kGrid = 24;  // every case lies well inside -kGrid..kGrid

// The pixels of the grid for which `inside` holds, as a picture, so that a failure shows both.
template <typename Inside>
std::string Picture(Inside inside) {
    std::string picture;
    for (int y = -kGrid; y < kGrid; ++y) {
        for (int x = -kGrid; x < kGrid; ++x) {
            picture += inside(x, y) ? '#' : '.';
        }
        picture += '\n';
    }
    return picture;
}

std::string Coverage(const Region& region) {
    return Picture([&](int x, int y) { return region.Contains(x, y); });
}

bool InAny(const std::vector<Rect>& rects, int x, int y) {
    for (const Rect& r : rects) {
        if (r.Contains(x, y)) {
            return true;
        }
    }
    return false;
}

// The region's own rectangles must neither overlap nor be empty, and must hold its pixels.
void ExpectWellFormed(const Region& region) {
    const std::vector<Rect>& rects = region.Rects();
    for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_FALSE(rects[i].IsEmpty());
        for (size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_TRUE(raster::Intersect(rects[i], rects[j]).IsEmpty())
                << "rects " << i << " and " << j << " overlap";
        }
    }
    EXPECT_EQ(Coverage(region), Picture([&](int x, int y) { return InAny(rects, x, y); }));
}

Region Build(const std::vector<Rect>& rects) {
    Region region;
    for (const Rect& r : rects) {
        region.Add(r);
    }
    return region;
}

class RegionAlgebraTest : public ::testing::TestWithParam<std::vector<Rect>> {};

TEST_P(RegionAlgebraTest, AddCoversExactlyTheUnionWithoutOverlap) {
    const Region region = Build(GetParam());
    ExpectWellFormed(region);
    EXPECT_EQ(Coverage(region), Picture([&](int x, int y) { return InAny(GetParam(), x, y); }));
}

TEST_P(RegionAlgebraTest, BoundsIsTheSmallestRectangleHoldingEveryPixel) {
    Rect expected;
    for (int y = -kGrid; y < kGrid; ++y) {
        for (int x = -kGrid; x < kGrid; ++x) {
            if (InAny(GetParam(), x, y)) {
                expected = raster::Union(expected, {x, y, x + 1, y + 1});
            }
        }
    }
    EXPECT_EQ(Build(GetParam()).Bounds(), expected);
}

TEST_P(RegionAlgebraTest, IntersectWithKeepsOnlyPixelsInsideTheRectangle) {
    const Rect window{-3, -2, 7, 5};
    Region region = Build(GetParam());
    region.IntersectWith(window);
    ExpectWellFormed(region);
    EXPECT_EQ(Coverage(region), Picture([&](int x, int y) {
                  return window.Contains(x, y) && InAny(GetParam(), x, y);
              }));
}

TEST_P(RegionAlgebraTest, OffsetMovesEveryPixel) {
    Region region = Build(GetParam());
    region.Offset(3, -4);
    EXPECT_EQ(Coverage(region),
              Picture([&](int x, int y) { return InAny(GetParam(), x - 3, y + 4); }));
}

TEST_P(RegionAlgebraTest, AddingARegionEqualsAddingItsRectangles) {
    Region region = Build({{-10, -10, -6, -6}});
    region.Add(Build(GetParam()));
    std::vector<Rect> all = GetParam();
    all.push_back({-10, -10, -6, -6});
    ExpectWellFormed(region);
    EXPECT_EQ(Coverage(region), Picture([&](int x, int y) { return InAny(all, x, y); }));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RegionAlgebraTest,
    ::testing::Values(std::vector<Rect>{}, std::vector<Rect>{{0, 0, 4, 4}},
                      std::vector<Rect>{{0, 0, 0, 5}, {3, 3, 2, 8}},  // empty ones add nothing
                      std::vector<Rect>{{0, 0, 6, 6}, {3, 3, 9, 9}},
                      std::vector<Rect>{{0, 0, 10, 10}, {2, 2, 4, 4}},  // inside an earlier one
                      std::vector<Rect>{{2, 2, 4, 4}, {0, 0, 10, 10}},  // covering earlier ones
                      std::vector<Rect>{{0, 4, 12, 6}, {5, 0, 7, 12}},  // a cross
                      std::vector<Rect>{{-8, -8, 8, -4}, {-8, 4, 8, 8}, {-9, -9, 9, 9}},
                      std::vector<Rect>{{0, 0, 3, 3}, {3, 0, 6, 3}, {0, 3, 6, 6}, {1, 1, 5, 5}},
                      std::vector<Rect>{{-5, 0, 5, 1},
                                        {-4, 1, 4, 2},
                                        {-3, -1, 3, 5},
                                        {-6, 3, 0, 4},
                                        {2, -6, 9, 0},
                                        {-20, -20, -15, 20}}));

TEST(RegionTest, EmptyRegionHasNoPixelsAndEmptyBounds) {
    const Region region;
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_TRUE(region.Bounds().IsEmpty());
}

// Update regions grow by repeated and neighbouring invalidations; they must stay short.
TEST(RegionTest, RepeatedAndNeighbouringRectanglesStayFewRectangles) {
    Region region;
    for (int i = 0; i < 50; ++i) {
        region.Add(Rect{0, 0, 10, 10});
    }
    EXPECT_EQ(region.Rects().size(), 1u);
    for (int i = 0; i < 8; ++i) {
        region.Add(Rect{i * 3, 12, i * 3 + 2, 14});
    }
    region.Add(Rect{-1, -1, 30, 20});
    EXPECT_EQ(region.Rects().size(), 1u);
    Region row;
    for (int x = 0; x < 176; ++x) {
        row.Add(Rect{x, 0, x + 1, 1});
    }
    ASSERT_EQ(row.Rects().size(), 1u);
    EXPECT_EQ(row.Rects()[0], (Rect{0, 0, 176, 1}));
}

TEST(RegionTest, IntersectWithADisjointRectangleEmptiesIt) {
    Region region(Rect{0, 0, 5, 5});
    region.IntersectWith({5, 0, 9, 5});
    EXPECT_TRUE(region.IsEmpty());
}

TEST(RegionTest, OffsetNearTheIntegerLimitsSaturatesInsteadOfOverflowing) {
    Region region(Rect{INT_MAX - 4, 0, INT_MAX, 4});
    region.Offset(10, 0);
    EXPECT_TRUE(region.IsEmpty());
    Region low(Rect{INT_MIN, 0, INT_MIN + 8, 4});
    low.Offset(-4, 0);
    EXPECT_TRUE(low.Contains(INT_MIN, 0));
    EXPECT_FALSE(low.Contains(INT_MIN + 4, 0));
}

}  // namespace
