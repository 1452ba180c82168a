#include <gtest/gtest.h>

#include <string>

#include "tests/platform/raster/raster_art.h"

namespace {

using raster::Rect;
using namespace raster_test;
using raster_test::PrintTo;

struct RectangleCase {
    std::string name;
    Rect box;
    raster::PenColor pen;
    raster::BrushColor brush;
    std::string expected;
};

class RectangleTest : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(RectangleTest, DrawsThePlatformsPixels) {
    raster::Framebuffer framebuffer(8, 6, kPaper);
    raster::DrawRectangle(raster::CanvasFor(framebuffer), GetParam().box, GetParam().pen,
                          GetParam().brush);
    EXPECT_EQ(Art(framebuffer), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, RectangleTest,
    ::testing::Values(
        RectangleCase{
            "PenAndBrush",
            {1, 1, 6, 5},
            kPen,
            kBrush,
            Art({"........", ".#####..", ".#ooo#..", ".#ooo#..", ".#####..", "........"})},
        RectangleCase{
            "NullPenIsOnePixelSmaller",
            {1, 1, 6, 5},
            std::nullopt,
            kBrush,
            Art({"........", ".oooo...", ".oooo...", ".oooo...", "........", "........"})},
        RectangleCase{
            "NullBrushLeavesTheInside",
            {0, 0, 4, 3},
            kPen,
            std::nullopt,
            Art({"####....", "#..#....", "####....", "........", "........", "........"})},
        RectangleCase{
            "TwoByTwoHasNoInside",
            {6, 4, 8, 6},
            kPen,
            kBrush,
            Art({"........", "........", "........", "........", "......##", "......##"})},
        RectangleCase{
            "OnePixelWide",
            {2, 1, 3, 4},
            kPen,
            kBrush,
            Art({"........", "..#.....", "..#.....", "..#.....", "........", "........"})},
        RectangleCase{
            "NullPenOnePixelWideDrawsNothing",
            {2, 1, 3, 4},
            std::nullopt,
            kBrush,
            Art({"........", "........", "........", "........", "........", "........"})},
        RectangleCase{
            "ReversedBoxDrawsNothing",
            {6, 5, 1, 1},
            kPen,
            kBrush,
            Art({"........", "........", "........", "........", "........", "........"})},
        RectangleCase{
            "PartlyOffTheFramebuffer",
            {-2, 3, 3, 9},
            kPen,
            kBrush,
            Art({"........", "........", "........", "###.....", "oo#.....", "oo#....."})}),
    [](const auto& info) { return info.param.name; });

TEST(FillRectTest, FillsRightAndBottomExclusive) {
    raster::Framebuffer framebuffer(6, 4, kPaper);
    const raster::Canvas canvas = raster::CanvasFor(framebuffer);
    raster::FillRect(canvas, {1, 1, 4, 3}, kBrush);
    raster::SetPixel(canvas, 5, 0, kPen);
    raster::SetPixel(canvas, 6, 0, kPen);  // outside: ignored
    EXPECT_EQ(Art(framebuffer), Art({".....#", ".ooo..", ".ooo..", "......"}));
}

}  // namespace
