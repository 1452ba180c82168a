#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

#include "tests/platform/raster/raster_art.h"

namespace {

using namespace raster_test;

constexpr int kSide = 16;
constexpr int kStart = 8;  // every line starts at (kStart, kStart)

struct End {
    int x;
    int y;
};

void PrintTo(const End& end, std::ostream* os) {
    *os << "(" << end.x << "," << end.y << ")";
}

// Lines into every octant, along the axes and diagonals, and with halfway ties.
class LineOctantTest : public ::testing::TestWithParam<End> {
  protected:
    void SetUp() override {
        raster::DrawLine(raster::CanvasFor(framebuffer_), kStart, kStart, GetParam().x,
                         GetParam().y, kPen);
        drawn_ = PixelsOf(framebuffer_, kPen);
    }

    raster::Framebuffer framebuffer_{kSide, kSide, kPaper};
    PixelSet drawn_;
};

TEST_P(LineOctantTest, OnePixelPerStepFromTheStartLeavingOutTheEnd) {
    const int dx = GetParam().x - kStart;
    const int dy = GetParam().y - kStart;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    EXPECT_EQ(drawn_.size(), static_cast<size_t>(steps)) << Art(framebuffer_);
    EXPECT_EQ(drawn_.count({kStart, kStart}), 1u) << Art(framebuffer_);
    EXPECT_EQ(drawn_.count({GetParam().x, GetParam().y}), 0u) << Art(framebuffer_);
}

TEST_P(LineOctantTest, EachPixelIsTheNearestToTheExactLine) {
    const int dx = GetParam().x - kStart;
    const int dy = GetParam().y - kStart;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    std::vector<int> perStep(static_cast<size_t>(steps), 0);
    for (const auto& [x, y] : drawn_) {
        const int step = std::abs(xMajor ? x - kStart : y - kStart);
        ASSERT_LT(step, steps) << Art(framebuffer_);
        ++perStep[static_cast<size_t>(step)];
        const double exact = kStart + static_cast<double>(xMajor ? dy : dx) * step / steps;
        EXPECT_LE(std::fabs((xMajor ? y : x) - exact), 0.5) << Art(framebuffer_);
    }
    for (int count : perStep) {
        EXPECT_EQ(count, 1) << Art(framebuffer_);
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, LineOctantTest,
                         ::testing::Values(End{13, 10}, End{10, 13}, End{6, 13}, End{3, 10},
                                           End{3, 6}, End{6, 3}, End{10, 3}, End{13, 6}, End{14, 8},
                                           End{8, 14}, End{2, 8}, End{8, 1}, End{13, 13},
                                           End{3, 13}, End{3, 3}, End{13, 3}, End{12, 10},
                                           End{4, 6}, End{15, 9}, End{9, 0}));

TEST(LineTest, HalfwayTiesRoundAwayFromTheStart) {
    raster::Framebuffer framebuffer(5, 4, kPaper);
    const raster::Canvas canvas = raster::CanvasFor(framebuffer);
    raster::DrawLine(canvas, 0, 0, 4, 1, kPen);
    raster::DrawLine(canvas, 4, 3, 0, 2, kPen);
    EXPECT_EQ(Art(framebuffer), Art({"##...", "..##.", ".##..", "...##"}));
}

TEST(LineTest, ZeroLengthLineDrawsNothing) {
    raster::Framebuffer framebuffer(4, 4, kPaper);
    raster::DrawLine(raster::CanvasFor(framebuffer), 2, 2, 2, 2, kPen);
    EXPECT_TRUE(PixelsOf(framebuffer, kPen).empty());
}

// A closed square drawn point to point, as Polyline does: every side leaves its end to the
// next side, so each corner is drawn once and the final point (the first) once, by the first.
TEST(LineTest, ClosedSquareDrawsEveryPerimeterPixelExactlyOnce) {
    const End corners[] = {{3, 3}, {10, 3}, {10, 9}, {3, 9}, {3, 3}};
    std::map<std::pair<int, int>, int> hits;
    for (size_t i = 0; i + 1 < std::size(corners); ++i) {
        raster::Framebuffer side(kSide, kSide, kPaper);
        raster::DrawLine(raster::CanvasFor(side), corners[i].x, corners[i].y, corners[i + 1].x,
                         corners[i + 1].y, kPen);
        for (const auto& pixel : PixelsOf(side, kPen)) {
            ++hits[pixel];
        }
    }
    raster::Framebuffer outline(kSide, kSide, kPaper);
    raster::DrawRectangle(raster::CanvasFor(outline), {3, 3, 11, 10}, kPen, std::nullopt);
    const PixelSet perimeter = PixelsOf(outline, kPen);
    EXPECT_EQ(hits.size(), perimeter.size());
    for (const auto& [pixel, count] : hits) {
        EXPECT_EQ(perimeter.count(pixel), 1u) << pixel.first << "," << pixel.second;
        EXPECT_EQ(count, 1) << pixel.first << "," << pixel.second;
    }
}

// Far ends cost only the visible steps; ends outside the 27-bit device space draw nothing.
TEST(LineTest, FarEndsDrawOnlyTheVisiblePart) {
    raster::Framebuffer framebuffer(8, 4, kPaper);
    const raster::Canvas canvas = raster::CanvasFor(framebuffer);
    raster::DrawLine(canvas, -100000000, 1, 100000000, 1, kPen);
    raster::DrawLine(canvas, 5, 100000000, 5, -100000000, kPen);
    raster::DrawLine(canvas, -2000000000, 3, 2000000000, 3, kPen);
    EXPECT_EQ(Art(framebuffer), Art({".....#..", "########", ".....#..", ".....#.."}));
}

}  // namespace
