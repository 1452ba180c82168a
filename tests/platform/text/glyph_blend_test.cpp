// Mixing glyph coverage into the canvas: the colour arithmetic, and that the destination read
// and written is the one the canvas's origin and clip name.
#include <gtest/gtest.h>

#include <ostream>

#include "platform/text/glyph_blend.h"
#include "text_test_support.h"

namespace {

using raster::MakePixel;
using raster::Pixel;

struct BlendCase {
    Pixel under;
    Pixel over;
    int coverage;
    Pixel expected;
};

std::ostream& operator<<(std::ostream& out, const BlendCase& c) {
    return out << std::hex << c.over << " over " << c.under << std::dec << " at " << c.coverage;
}

class BlendTest : public ::testing::TestWithParam<BlendCase> {};

TEST_P(BlendTest, MixesEachChannelByCoverage) {
    EXPECT_EQ(text::Blend(GetParam().under, GetParam().over, GetParam().coverage),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlendTest,
    ::testing::Values(
        BlendCase{MakePixel(10, 20, 30), MakePixel(200, 100, 0), 0, MakePixel(10, 20, 30)},
        BlendCase{MakePixel(10, 20, 30), MakePixel(200, 100, 0), 255, MakePixel(200, 100, 0)},
        BlendCase{MakePixel(255, 255, 255), MakePixel(0, 0, 0), 128, MakePixel(127, 127, 127)},
        BlendCase{MakePixel(255, 0, 0), MakePixel(0, 0, 255), 51, MakePixel(204, 0, 51)}));

class BlendGlyphTest : public ::testing::Test {
  protected:
    static constexpr Pixel kUnder = MakePixel(200, 200, 200);
    static constexpr Pixel kInk = MakePixel(0, 0, 0);

    // A 3 × 2 image: full, none, half / half, full, full.
    static text::Glyph SmallGlyph() {
        text::Glyph glyph;
        glyph.width = 3;
        glyph.rows = 2;
        glyph.coverage = {255, 0, 128, 128, 255, 255};
        return glyph;
    }

    raster::Framebuffer image_{10, 10, kUnder};
    raster::Canvas canvas_ = raster::CanvasFor(image_);
};

TEST_F(BlendGlyphTest, WritesCoverageAtTheOriginMovedPosition) {
    canvas_.originX = 3;
    canvas_.originY = 4;
    image_.Set(5, 4, MakePixel(0, 0, 250));  // under the half-covered pixel (2, 0) + origin
    text::BlendGlyph(canvas_, SmallGlyph(), 0, 0, kInk);
    EXPECT_EQ(image_.At(3, 4), kInk);
    EXPECT_EQ(image_.At(4, 4), kUnder);
    EXPECT_EQ(image_.At(5, 4), MakePixel(0, 0, 125));
    EXPECT_EQ(image_.At(3, 5), text::Blend(kUnder, kInk, 128));
    EXPECT_EQ(image_.At(0, 0), kUnder);
}

TEST_F(BlendGlyphTest, LeavesPixelsOutsideTheClipAndTheFramebuffer) {
    canvas_.clip = raster::Region(raster::Rect{0, 0, 10, 1});
    text::BlendGlyph(canvas_, SmallGlyph(), 8, 0, kInk);
    EXPECT_EQ(image_.At(8, 0), kInk);
    EXPECT_EQ(image_.At(8, 1), kUnder);
    EXPECT_EQ(image_.At(9, 1), kUnder);
    text::BlendGlyph(canvas_, SmallGlyph(), -2, -1, kInk);  // mostly off the framebuffer
    EXPECT_EQ(image_.At(0, 0), kInk);
}

}  // namespace
