// DrawText on a framebuffer with real fonts: measuring, line breaks, alignment, clipping and
// the opaque background, checked on the pixels.
#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/text/font.h"
#include "platform/text/font_face.h"
#include "platform/text/text_layout.h"
#include "platform/win_gdi.h"
#include "text_test_support.h"

namespace {

using raster::Framebuffer;
using raster::Pixel;
using raster::Rect;
using text_test::BoundsWhere;
using text_test::ChangedBounds;
using text_test::CountWhere;

constexpr Pixel kGrey = raster::MakePixel(128, 128, 128);
constexpr Pixel kWhite = raster::MakePixel(255, 255, 255);
constexpr Pixel kBlack = raster::MakePixel(0, 0, 0);
constexpr Pixel kRed = raster::MakePixel(255, 0, 0);
constexpr Pixel kBlue = raster::MakePixel(0, 0, 255);
constexpr int kCell = 12;

int Red(Pixel p) {
    return static_cast<int>((p >> 16) & 0xFF);
}
int Green(Pixel p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
int Blue(Pixel p) {
    return static_cast<int>(p & 0xFF);
}
bool IsGray(Pixel p) {
    return Red(p) == Green(p) && Green(p) == Blue(p);
}

class DrawTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        text::FontRequest request;
        request.face = "Nina";
        request.height = kCell;
        font_ = text::OpenFont(request);
        ASSERT_NE(font_, nullptr);
        lineHeight_ = text::LineHeight(*font_);
    }

    int Draw(const std::wstring& chars, Rect rect, unsigned format,
             const text::TextStyle& style = {}) {
        return text::DrawText(canvas_, *font_, chars, &rect, format, style);
    }

    Rect CalcRect(const std::wstring& chars, Rect rect, unsigned format = 0) {
        text::DrawText(canvas_, *font_, chars, &rect, format | DT_CALCRECT, {});
        return rect;
    }

    // Darker than the grey the test draws on: the glyphs' ink, black text blended over it.
    static bool IsInk(Pixel p) { return IsGray(p) && Red(p) < 128; }

    Framebuffer image_{120, 60, kGrey};
    raster::Canvas canvas_ = raster::CanvasFor(image_);
    std::shared_ptr<const text::Font> font_;
    int lineHeight_ = 0;
};

TEST_F(DrawTextTest, CalcRectOfOneLineIsTheCellHeightAndTheAdvances) {
    const Framebuffer before = image_;
    const Rect rect = CalcRect(L"12345", {10, 10, 10, 10});
    // A positive LOGFONT height is the cell: one line is exactly that tall.
    EXPECT_EQ(rect.bottom, 10 + kCell);
    EXPECT_EQ(rect.Width(), 5 * font_->Advance(L'1'));
    EXPECT_GT(CalcRect(L"1234567890", {10, 10, 10, 10}).Width(), rect.Width());
    EXPECT_TRUE(ChangedBounds(before, image_).IsEmpty()) << "measuring drew";
}

TEST_F(DrawTextTest, ReturnsTheTextHeightWhetherMeasuringOrDrawing) {
    EXPECT_EQ(Draw(L"a\r\nb", {0, 0, 100, 60}, DT_LEFT), 2 * kCell);
    Rect rect{0, 0, 100, 60};
    EXPECT_EQ(text::DrawText(canvas_, *font_, L"a\r\nb\r\nc", &rect, DT_CALCRECT, {}), 3 * kCell);
}

TEST_F(DrawTextTest, LineBreaksGiveOneBandOfInkPerLine) {
    Draw(L"One\r\nTwo\r\nSix", {0, 0, 120, 60}, DT_LEFT, {kBlack, std::nullopt});
    for (int line = 0; line < 4; ++line) {
        int inked = 0;
        for (int y = line * kCell; y < (line + 1) * kCell; ++y) {
            for (int x = 0; x < image_.Width(); ++x) {
                inked += IsInk(image_.At(x, y)) ? 1 : 0;
            }
        }
        if (line < 3) {
            EXPECT_GT(inked, 5) << "line " << line;
        } else {
            EXPECT_EQ(inked, 0) << "ink below the last line";
        }
    }
    EXPECT_EQ(CalcRect(L"One\r\nTwo\r\nSix", {0, 0, 120, 60}).Height(), 3 * kCell);
}

TEST_F(DrawTextTest, ParagraphWrapsIntoLinesNoneWiderThanTheRectangle) {
    const std::wstring paragraph =
        L"Black plays first. Stones with no liberties are captured and removed from the board.";
    constexpr int kWidth = 90;
    const text::TextLayout layout =
        text::LayOutText(paragraph, {0, 0, kWidth, 200}, DT_WORDBREAK, *font_);
    ASSERT_GE(layout.lines.size(), 4u);
    std::wstring rejoined;
    for (const auto& line : layout.lines) {
        EXPECT_LE(line.box.Width(), kWidth) << ::testing::PrintToString(line.chars);
        EXPECT_NE(line.chars.front(), L' ');
        EXPECT_NE(line.chars.back(), L' ');
        rejoined += (rejoined.empty() ? L"" : L" ") + line.chars;
    }
    EXPECT_EQ(rejoined, paragraph) << "words split or lost";

    const Rect measured = CalcRect(paragraph, {0, 0, kWidth, 0}, DT_WORDBREAK);
    EXPECT_EQ(measured.Height(), static_cast<int>(layout.lines.size()) * kCell);
    EXPECT_LE(measured.Width(), kWidth);
}

TEST_F(DrawTextTest, GlyphsSitOnTheBaselineInsideTheLine) {
    constexpr int kTop = 20;
    Draw(L"HEH", {0, kTop, 120, 60}, DT_LEFT, {kBlack, std::nullopt});
    const Rect capitals = BoundsWhere(image_, IsInk);
    EXPECT_EQ(capitals.bottom, kTop + font_->Ascent());
    EXPECT_GE(capitals.top, kTop);
    Draw(L"gjq", {0, kTop, 120, 60}, DT_LEFT, {kBlack, std::nullopt});
    EXPECT_GT(BoundsWhere(image_, IsInk).bottom, kTop + font_->Ascent()) << "no descenders";
}

TEST_F(DrawTextTest, CentredTextHasEqualMarginsLeftAndRight) {
    image_.Fill(kWhite);
    constexpr Rect kRect{0, 0, 101, 20};
    Draw(L"HOH", kRect, DT_CENTER | DT_SINGLELINE);
    const Rect ink = BoundsWhere(image_, [](Pixel p) { return p != kWhite; });
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_LE(std::abs((ink.left - kRect.left) - (kRect.right - ink.right)), 1)
        << "ink from " << ink.left << " to " << ink.right;
}

TEST_F(DrawTextTest, VerticallyCentredLineHasEqualMarginsAboveAndBelow) {
    constexpr Rect kRect{0, 0, 120, 51};
    Draw(L"Go", kRect, DT_VCENTER | DT_SINGLELINE);
    const Rect box = BoundsWhere(image_, [](Pixel p) { return p != kGrey; });
    EXPECT_EQ(box.Height(), kCell);
    EXPECT_LE(std::abs((box.top - kRect.top) - (kRect.bottom - box.bottom)), 1);
}

TEST_F(DrawTextTest, BottomAlignedLineEndsAtTheRectangleBottom) {
    Draw(L"Go", {0, 0, 120, 50}, DT_BOTTOM | DT_RIGHT | DT_SINGLELINE);
    const Rect box = BoundsWhere(image_, [](Pixel p) { return p != kGrey; });
    EXPECT_EQ(box.bottom, 50);
    EXPECT_EQ(box.right, 120);
}

TEST_F(DrawTextTest, OpaqueBackgroundFillsEachLineBoxOnly) {
    Draw(L"Go\r\nGame", {4, 2, 110, 58}, DT_LEFT);
    const Rect changed = BoundsWhere(image_, [](Pixel p) { return p != kGrey; });
    const int wider = CalcRect(L"Game", {4, 2, 4, 2}).Width();
    EXPECT_EQ(changed, (Rect{4, 2, 4 + wider, 2 + 2 * kCell}));
    // The first line's box is as wide as "Go": beside it the grey stays.
    const int narrow = CalcRect(L"Go", {4, 2, 4, 2}).Width();
    EXPECT_EQ(image_.At(4 + narrow, 2), kGrey);
    EXPECT_EQ(image_.At(4 + narrow - 1, 2), kWhite);
    EXPECT_GT(CountWhere(image_, [](Pixel p) { return p == kWhite; }), 0);
}

TEST_F(DrawTextTest, TransparentTextLeavesTheBackgroundAndInksItsGlyphs) {
    Draw(L"Go Game", {0, 0, 120, 60}, DT_LEFT, {kBlack, std::nullopt});
    EXPECT_EQ(CountWhere(image_, [](Pixel p) { return Red(p) > 128; }), 0);
    EXPECT_GT(CountWhere(image_, [](Pixel p) { return p == kBlack; }), 0);
}

TEST_F(DrawTextTest, GlyphEdgesAreAntialiasedAgainstWhatLiesUnder) {
    image_.Fill(kRed);
    Draw(L"Go Game", {0, 0, 120, 60}, DT_LEFT, {kBlack, std::nullopt});
    // Partly covered pixels mix the black text with the red under it.
    EXPECT_GT(CountWhere(image_, [](Pixel p) { return Red(p) > 0 && Red(p) < 255; }), 0);
    EXPECT_EQ(CountWhere(image_, [](Pixel p) { return Green(p) != 0 || Blue(p) != 0; }), 0);
}

TEST_F(DrawTextTest, TextIsDrawnInTheStyleColour) {
    Draw(L"Go Game", {0, 0, 120, 60}, DT_LEFT, {kBlue, kWhite});
    EXPECT_GT(CountWhere(image_, [](Pixel p) { return p == kBlue; }), 0);
    EXPECT_EQ(CountWhere(image_, [](Pixel p) { return p != kGrey && Blue(p) != 255; }), 0);
}

TEST_F(DrawTextTest, ClippedToTheRectangle) {
    const Framebuffer before = image_;
    constexpr Rect kRect{10, 10, 40, 30};
    Draw(L"Clipping text that overflows\r\nand a second line\r\nand a third", kRect,
         DT_LEFT | DT_VCENTER);
    const Rect changed = ChangedBounds(before, image_);
    EXPECT_FALSE(changed.IsEmpty());
    EXPECT_EQ(raster::Intersect(changed, kRect), changed) << "drawn outside the rectangle";
}

TEST_F(DrawTextTest, NoClipLetsTextCrossTheRectangle) {
    const Framebuffer before = image_;
    constexpr Rect kRect{10, 10, 40, 30};
    Draw(L"Clipping text that overflows", kRect, DT_LEFT | DT_NOCLIP);
    EXPECT_GT(ChangedBounds(before, image_).right, kRect.right);
}

TEST_F(DrawTextTest, NoClipStillKeepsToTheCanvasClip) {
    const Framebuffer before = image_;
    canvas_.clip = raster::Region(Rect{0, 0, 30, 60});
    Draw(L"Clipping text that overflows", {10, 10, 40, 30}, DT_LEFT | DT_NOCLIP);
    EXPECT_EQ(ChangedBounds(before, image_).right, 30);
}

TEST_F(DrawTextTest, CoordinatesAreMovedByTheCanvasOrigin) {
    canvas_.originX = 20;
    canvas_.originY = 5;
    canvas_.clip = raster::Region(Rect{20, 5, 120, 60});
    Draw(L"Go", {0, 0, 100, 55}, DT_LEFT);
    const Rect box = BoundsWhere(image_, [](Pixel p) { return p != kGrey; });
    EXPECT_EQ(box.left, 20);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.Height(), kCell);
}

TEST_F(DrawTextTest, EmptyTextDrawsNothing) {
    const Framebuffer before = image_;
    EXPECT_EQ(Draw(L"", {0, 0, 120, 60}, DT_LEFT), 0);
    EXPECT_EQ(CalcRect(L"", {3, 4, 50, 50}), (Rect{3, 4, 3, 4}));
    EXPECT_TRUE(ChangedBounds(before, image_).IsEmpty());
}

TEST_F(DrawTextTest, NullRectangleDrawsNothing) {
    const Framebuffer before = image_;
    EXPECT_EQ(text::DrawText(canvas_, *font_, L"Go", nullptr, DT_LEFT, {}), 0);
    EXPECT_TRUE(ChangedBounds(before, image_).IsEmpty());
}

// Rectangles at the ends of the coordinate range: nothing overflows, and what lies off the
// framebuffer draws nothing.
struct FarCase {
    const char* name;
    Rect rect;
    bool offFramebuffer;
};

std::ostream& operator<<(std::ostream& out, const FarCase& c) {
    return out << c.name;
}

class FarRectangleTest : public DrawTextTest, public ::testing::WithParamInterface<FarCase> {};

TEST_P(FarRectangleTest, NeitherOverflowsNorDrawsOffTheFramebuffer) {
    canvas_.originX = 7;
    canvas_.originY = 3;
    const Framebuffer before = image_;
    const Rect rect = GetParam().rect;
    for (unsigned format : {DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                            DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, DT_WORDBREAK | DT_NOCLIP}) {
        EXPECT_EQ(Draw(L"Far\r\ntext", rect, format), format & DT_SINGLELINE ? kCell : 2 * kCell);
        const Rect measured = CalcRect(L"Far", rect, format);
        EXPECT_GE(measured.Width(), 0);
        EXPECT_EQ(measured.left, rect.left);
    }
    if (GetParam().offFramebuffer) {
        EXPECT_TRUE(ChangedBounds(before, image_).IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rects, FarRectangleTest,
    ::testing::Values(FarCase{"Everything", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, false},
                      FarCase{"FarCorner", {INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX}, true},
                      FarCase{"NearCorner", {INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5}, true},
                      FarCase{"Inverted", {INT_MAX, INT_MAX, INT_MIN, INT_MIN}, true}));

struct CountCase {
    const wchar_t* chars;
    int count;
    const wchar_t* expected;
};

std::ostream& operator<<(std::ostream& out, const CountCase& c) {
    return out << (c.chars ? "text" : "null") << " count " << c.count;
}

class TextOfCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(TextOfCountTest, NamesTheCharacters) {
    EXPECT_EQ(text::TextOfCount(GetParam().chars, GetParam().count), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, TextOfCountTest,
                         ::testing::Values(CountCase{L"Pass", -1, L"Pass"},
                                           CountCase{L"Pass", -7, L"Pass"},
                                           CountCase{L"Pass", 2, L"Pa"}, CountCase{L"Pass", 0, L""},
                                           CountCase{L"Pa\0ss", 5, L"Pa"},
                                           CountCase{nullptr, -1, L""},
                                           CountCase{nullptr, 3, L""}));

}  // namespace
