#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "tests/platform/raster/raster_art.h"

namespace {

using raster::Rect;
using namespace raster_test;
using raster_test::PrintTo;

constexpr int kSide = 20;
constexpr int kLeft = 3;
constexpr int kTop = 2;

// One ellipse with pen and brush at (kLeft, kTop), and its pixels sorted by colour.
struct Drawn {
    explicit Drawn(int width, int height)
        : box{kLeft, kTop, kLeft + width, kTop + height}, framebuffer(kSide, kSide, kPaper) {
        raster::DrawEllipse(raster::CanvasFor(framebuffer), box, kPen, kBrush);
        outline = PixelsOf(framebuffer, kPen);
        inside = PixelsOf(framebuffer, kBrush);
        shape = outline;
        shape.insert(inside.begin(), inside.end());
    }
    bool InShape(int x, int y) const { return shape.count({x, y}) != 0; }

    Rect box;
    raster::Framebuffer framebuffer;
    PixelSet outline;
    PixelSet inside;
    PixelSet shape;
};

// Boxes of every width and height from 1 to 15 pixels; the parameter is the width, and each
// test goes through all heights.
class EllipseShapeTest : public ::testing::TestWithParam<int> {
  protected:
    template <typename Check>
    void ForEachHeight(Check check) {
        for (int height = 1; height <= 15; ++height) {
            const Drawn drawn(GetParam(), height);
            SCOPED_TRACE(::testing::Message()
                         << GetParam() << " x " << height << Art(drawn.framebuffer));
            check(drawn);
        }
    }
};

TEST_P(EllipseShapeTest, StaysInsideItsBox) {
    ForEachHeight([](const Drawn& d) {
        for (const auto& [x, y] : d.shape) {
            EXPECT_TRUE(d.box.Contains(x, y)) << "(" << x << "," << y << ")";
        }
    });
}

TEST_P(EllipseShapeTest, IsSymmetricLeftRightAndTopBottom) {
    ForEachHeight([](const Drawn& d) {
        for (const auto& [x, y] : d.shape) {
            const raster::Pixel p = d.framebuffer.At(x, y);
            EXPECT_EQ(d.framebuffer.At(d.box.left + d.box.right - 1 - x, y), p);
            EXPECT_EQ(d.framebuffer.At(x, d.box.top + d.box.bottom - 1 - y), p);
        }
    });
}

TEST_P(EllipseShapeTest, TouchesTheMiddleOfEachEdgeWithThePen) {
    ForEachHeight([](const Drawn& d) {
        // The middle pixel of an odd side, both middle pixels of an even one.
        const int midLeft = d.box.left + (d.box.Width() - 1) / 2;
        const int midRight = d.box.left + d.box.Width() / 2;
        const int midTop = d.box.top + (d.box.Height() - 1) / 2;
        const int midBottom = d.box.top + d.box.Height() / 2;
        for (int x : {midLeft, midRight}) {
            EXPECT_EQ(d.framebuffer.At(x, d.box.top), kPen);
            EXPECT_EQ(d.framebuffer.At(x, d.box.bottom - 1), kPen);
        }
        for (int y : {midTop, midBottom}) {
            EXPECT_EQ(d.framebuffer.At(d.box.left, y), kPen);
            EXPECT_EQ(d.framebuffer.At(d.box.right - 1, y), kPen);
        }
    });
}

TEST_P(EllipseShapeTest, RowsAreUnbrokenRunsWideningTowardsTheMiddle) {
    ForEachHeight([](const Drawn& d) {
        int previousWidth = 0;
        for (int y = d.box.top; y < d.box.top + (d.box.Height() + 1) / 2; ++y) {
            int runs = 0;
            int width = 0;
            for (int x = 0; x < kSide; ++x) {
                runs += d.InShape(x, y) && !d.InShape(x - 1, y);
                width += d.InShape(x, y);
            }
            EXPECT_EQ(runs, 1) << "row " << y;
            EXPECT_GE(width, previousWidth) << "row " << y;
            previousWidth = width;
        }
    });
}

TEST_P(EllipseShapeTest, OutlineIsOneEightConnectedRing) {
    ForEachHeight([](const Drawn& d) {
        PixelSet reached;
        std::vector<std::pair<int, int>> pending{*d.outline.begin()};
        while (!pending.empty()) {
            const auto [x, y] = pending.back();
            pending.pop_back();
            if (d.outline.count({x, y}) == 0 || !reached.emplace(x, y).second) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    pending.emplace_back(x + dx, y + dy);
                }
            }
        }
        EXPECT_EQ(reached.size(), d.outline.size());
    });
}

TEST_P(EllipseShapeTest, OutlineSeparatesTheInsideFromThePaper) {
    ForEachHeight([](const Drawn& d) {
        for (const auto& [x, y] : d.inside) {
            for (const auto& [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
                EXPECT_TRUE(d.InShape(nx, ny)) << "brush at (" << x << "," << y << ")";
            }
        }
        for (const auto& [x, y] : d.outline) {
            const bool onEdge = !d.InShape(x - 1, y) || !d.InShape(x + 1, y) ||
                                !d.InShape(x, y - 1) || !d.InShape(x, y + 1);
            EXPECT_TRUE(onEdge) << "pen inside at (" << x << "," << y << ")";
        }
    });
}

TEST_P(EllipseShapeTest, WithoutAPenTheShapeIsOnePixelSmaller) {
    ForEachHeight([](const Drawn& d) {
        raster::Framebuffer filled(kSide, kSide, kPaper);
        raster::DrawEllipse(raster::CanvasFor(filled), d.box, std::nullopt, kBrush);
        raster::Framebuffer smaller(kSide, kSide, kPaper);
        raster::DrawEllipse(raster::CanvasFor(smaller),
                            {d.box.left, d.box.top, d.box.right - 1, d.box.bottom - 1}, kBrush,
                            kBrush);
        EXPECT_EQ(Art(filled), Art(smaller));
    });
}

INSTANTIATE_TEST_SUITE_P(Widths, EllipseShapeTest, ::testing::Range(1, 16));

struct EllipseArt {
    std::string name;
    Rect box;
    std::string expected;
};

class EllipseArtTest : public ::testing::TestWithParam<EllipseArt> {};

TEST_P(EllipseArtTest, DrawsTheExpectedPixels) {
    raster::Framebuffer framebuffer(9, 9, kPaper);
    raster::DrawEllipse(raster::CanvasFor(framebuffer), GetParam().box, kPen, kBrush);
    EXPECT_EQ(Art(framebuffer), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, EllipseArtTest,
    ::testing::Values(
        EllipseArt{"NineByNine",
                   {0, 0, 9, 9},
                   Art({"...###...", ".##ooo##.", ".#ooooo#.", "#ooooooo#", "#ooooooo#",
                        "#ooooooo#", ".#ooooo#.", ".##ooo##.", "...###..."})},
        EllipseArt{"ThreeByThree",
                   {0, 0, 3, 3},
                   Art({".#.......", "#o#......", ".#.......", ".........", ".........",
                        ".........", ".........", ".........", "........."})},
        EllipseArt{"FlatBox",
                   {0, 2, 9, 5},
                   Art({".........", ".........", "..#####..", "##ooooo##", "..#####..",
                        ".........", ".........", ".........", "........."})},
        EllipseArt{"EmptyBox",
                   {4, 4, 4, 8},
                   Art({".........", ".........", ".........", ".........", ".........",
                        ".........", ".........", ".........", "........."})}),
    [](const auto& info) { return info.param.name; });

// Only the visible rows and columns of a huge box are computed, and nothing overflows.
TEST(EllipseTest, HugeBoxesFinishAndFillTheVisibleMiddle) {
    raster::Framebuffer framebuffer(8, 8, kPaper);
    const raster::Canvas canvas = raster::CanvasFor(framebuffer);
    raster::DrawEllipse(canvas, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kPen, kBrush);
    EXPECT_EQ(PixelsOf(framebuffer, kBrush).size(), 64u);
    raster::DrawEllipse(canvas, {-1000000000, 3, 1000000000, 5}, kPen, std::nullopt);
    EXPECT_EQ(Art(framebuffer), Art({"oooooooo", "oooooooo", "oooooooo", "########", "########",
                                     "oooooooo", "oooooooo", "oooooooo"}));
}

}  // namespace
