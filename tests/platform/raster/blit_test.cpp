#include <gtest/gtest.h>

#include <string>

#include "tests/platform/raster/raster_art.h"

namespace {

using namespace raster_test;
using raster_test::PrintTo;

raster::Framebuffer FromArt(std::initializer_list<std::string_view> rows) {
    raster::Framebuffer framebuffer(static_cast<int>(rows.begin()->size()),
                                    static_cast<int>(rows.size()));
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < framebuffer.Width(); ++x) {
            const char c = row[static_cast<size_t>(x)];
            framebuffer.Set(x, y, c == '#' ? kPen : c == 'o' ? kBrush : kPaper);
        }
        ++y;
    }
    return framebuffer;
}

struct BlitCase {
    std::string name;
    int x, y, width, height, sourceX, sourceY;
    std::string expected;
};

class BlitTest : public ::testing::TestWithParam<BlitCase> {};

TEST_P(BlitTest, CopiesOnlyWhatIsInsideBothFramebuffers) {
    const raster::Framebuffer source = FromArt({"#o#o", "oo##", "#ooo"});
    raster::Framebuffer target(6, 5, kPaper);
    const BlitCase& c = GetParam();
    raster::Blit(raster::CanvasFor(target), c.x, c.y, c.width, c.height, source, c.sourceX,
                 c.sourceY);
    EXPECT_EQ(Art(target), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, BlitTest,
    ::testing::Values(BlitCase{"Whole", 1, 1, 4, 3, 0, 0,
                               Art({"......", ".#o#o.", ".oo##.", ".#ooo.", "......"})},
                      BlitCase{"PartlyOutsideTheSource", 0, 0, 4, 4, 2, 1,
                               Art({"##....", "oo....", "......", "......", "......"})},
                      BlitCase{"PastTheTargetsEdge", 3, 3, 4, 3, 0, 0,
                               Art({"......", "......", "......", "...#o#", "...oo#"})},
                      BlitCase{"BeforeTheTargetsCorner", -1, -2, 4, 3, 0, 0,
                               Art({"ooo...", "......", "......", "......", "......"})},
                      BlitCase{"BeforeTheSourcesCorner", 0, 0, 3, 3, -1, -1,
                               Art({"......", ".#o...", ".oo...", "......", "......"})},
                      BlitCase{"NegativeSizeCopiesNothing", 1, 1, -4, 3, 0, 0,
                               Art({"......", "......", "......", "......", "......"})},
                      BlitCase{"FarOffsetsCopyNothing", 2147483647, 0, 4, 3, -2147483647 - 1, 0,
                               Art({"......", "......", "......", "......", "......"})}),
    [](const auto& info) { return info.param.name; });

TEST(BlitTest, ClipRegionLimitsTheCopy) {
    const raster::Framebuffer source = FromArt({"####", "####", "####"});
    raster::Framebuffer target(6, 5, kPaper);
    raster::Canvas canvas = raster::CanvasFor(target);
    canvas.clip = raster::Region(raster::Rect{2, 0, 4, 2});
    raster::Blit(canvas, 1, 1, 4, 3, source, 0, 0);
    EXPECT_EQ(Art(target), Art({"......", "..##..", "......", "......", "......"}));
}

// Scrolling copies a framebuffer onto itself; each pixel must come from before the copy.
TEST(BlitTest, OverlappingCopyWithinOneFramebufferReadsTheOriginal) {
    raster::Framebuffer framebuffer = FromArt({"#oo#..", "o#...."});
    const raster::Canvas canvas = raster::CanvasFor(framebuffer);
    raster::Blit(canvas, 1, 0, 5, 1, framebuffer, 0, 0);
    raster::Blit(canvas, 0, 1, 5, 1, framebuffer, 1, 1);
    EXPECT_EQ(Art(framebuffer), Art({"##oo#.", "#....."}));
}

}  // namespace
