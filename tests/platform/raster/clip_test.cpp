#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/platform/raster/raster_art.h"

namespace {

using raster::Canvas;
using namespace raster_test;
using raster_test::PrintTo;

constexpr int kSide = 16;

struct Drawing {
    std::string name;
    std::function<void(const Canvas&)> draw;
};

raster::Framebuffer Checkerboard() {
    raster::Framebuffer source(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            source.Set(x, y, (x + y) % 2 ? kPen : kBrush);
        }
    }
    return source;
}

// Every primitive, covering the whole framebuffer and more.
class ClipTest : public ::testing::TestWithParam<Drawing> {};

TEST_P(ClipTest, ClippedDrawingMatchesUnclippedInsideTheRegionAndTouchesNothingElse) {
    raster::Framebuffer unclipped(kSide, kSide, kPaper);
    GetParam().draw(raster::CanvasFor(unclipped));

    raster::Framebuffer clipped(kSide, kSide, kPaper);
    Canvas canvas = raster::CanvasFor(clipped);
    canvas.clip.Clear();
    canvas.clip.Add(raster::Rect{2, 2, 6, 6});
    canvas.clip.Add(raster::Rect{9, 9, 13, 12});
    GetParam().draw(canvas);

    raster::Framebuffer expected(kSide, kSide, kPaper);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (canvas.clip.Contains(x, y)) {
                expected.Set(x, y, unclipped.At(x, y));
            }
        }
    }
    ASSERT_NE(Art(unclipped), Art(raster::Framebuffer(kSide, kSide, kPaper)));
    EXPECT_EQ(Art(clipped), Art(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, ClipTest,
    ::testing::Values(Drawing{"SetPixel",
                              [](const Canvas& c) {
                                  for (int i = 0; i < kSide; ++i) {
                                      raster::SetPixel(c, i, i, kPen);
                                      raster::SetPixel(c, kSide - 1 - i, i, kBrush);
                                  }
                              }},
                      Drawing{"FillRect",
                              [](const Canvas& c) {
                                  raster::FillRect(c, {-4, -4, 40, 40}, kPen);
                              }},
                      Drawing{"Rectangle",
                              [](const Canvas& c) {
                                  raster::DrawRectangle(c, {3, 1, 12, 11}, kPen, kBrush);
                              }},
                      Drawing{"Ellipse",
                              [](const Canvas& c) {
                                  raster::DrawEllipse(c, {0, 0, 16, 13}, kPen, kBrush);
                              }},
                      Drawing{"Lines",
                              [](const Canvas& c) {
                                  for (int i = -4; i < 20; i += 3) {
                                      raster::DrawLine(c, i, -2, 18 - i, 18, kPen);
                                  }
                              }},
                      Drawing{"Blit",
                              [](const Canvas& c) {
                                  raster::Blit(c, -1, 1, 20, 20, Checkerboard(), 0, 0);
                              }}),
    [](const auto& info) { return info.param.name; });

TEST(CanvasOriginTest, LogicalCoordinatesAreMovedByTheOriginButTheClipIsNot) {
    raster::Framebuffer framebuffer(8, 6, kPaper);
    Canvas canvas = raster::CanvasFor(framebuffer);
    canvas.originX = 3;
    canvas.originY = 2;
    raster::DrawRectangle(canvas, {0, 0, 4, 3}, kPen, kBrush);
    canvas.clip = raster::Region(raster::Rect{0, 0, 2, 2});
    raster::FillRect(canvas, {-3, -2, 10, 10}, kBrush);
    EXPECT_EQ(Art(framebuffer),
              Art({"oo......", "oo......", "...####.", "...#oo#.", "...####.", "........"}));
}

TEST(CanvasOriginTest, ACanvasWithoutFramebufferOrClipDrawsNothing) {
    Canvas nothing;
    raster::FillRect(nothing, {0, 0, 10, 10}, kPen);
    raster::DrawEllipse(nothing, {0, 0, 10, 10}, kPen, kBrush);
    raster::DrawLine(nothing, 0, 0, 10, 10, kPen);

    raster::Framebuffer framebuffer(4, 4, kPaper);
    const Canvas unclipped{&framebuffer, 0, 0, {}};
    raster::FillRect(unclipped, {0, 0, 4, 4}, kPen);
    raster::SetPixel(unclipped, 1, 1, kPen);
    EXPECT_TRUE(PixelsOf(framebuffer, kPen).empty());
}

TEST(CanvasOriginTest, ANegativeSizeMakesAnEmptyFramebufferThatDrawingLeavesAlone) {
    raster::Framebuffer framebuffer(-3, 5);
    EXPECT_EQ(framebuffer.Width(), 0);
    EXPECT_EQ(framebuffer.Height(), 0);
    raster::FillRect(raster::CanvasFor(framebuffer), {-10, -10, 10, 10}, kPen);
}

}  // namespace
