// DrawTextW's layout with fixed widths, then DrawText with a real font, checked on the pixels.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "platform/text/font.h"
#include "platform/text/font_face.h"
#include "platform/text/text_layout.h"
#include "platform/text/text_measure.h"
#include "platform/win_gdi.h"
#include "tests/platform/raster/raster_art.h"

namespace {

using text::LayOutText;
using text::TextLayout;

// Every character is 5 pixels wide except 'W' (9) and ' ' (3); lines are 10 pixels high.
class FixedMeasure : public text::TextMeasure {
  public:
    static constexpr int kLine = 10;
    int Advance(wchar_t c) const override { return c == L'W' ? 9 : c == L' ' ? 3 : 5; }
    int LineHeight() const override { return kLine; }
} const measure{};

int WidthOf(const std::wstring& chars) {
    int width = 0;
    for (wchar_t c : chars) {
        width += measure.Advance(c);
    }
    return width;
}

struct LayoutCase {
    const wchar_t* text;
    unsigned format;
    int width;
    const wchar_t* lines;  // apart by '|'
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(std::wstring(c.text)) << " format 0x" << std::hex << c.format
        << std::dec << " in " << c.width;
}

// In a rectangle from x 10, `width` wide: the lines, each as wide as its characters, placed in
// the width as the format asks, one line height below the other.
class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, BreaksWrapsAndPlacesTheLines) {
    const LayoutCase& c = GetParam();
    const TextLayout layout = LayOutText(c.text, {10, 0, 10 + c.width, 40}, c.format, measure);
    std::wstring lines;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const auto& line = layout.lines[i];
        lines += (i == 0 ? L"" : L"|") + line.chars;
        const int width = WidthOf(line.chars);
        const int spare = c.width - width;
        EXPECT_EQ(line.box.Width(), width) << i;
        EXPECT_EQ(line.box.left, 10 + (c.format & DT_CENTER  ? spare / 2
                                       : c.format & DT_RIGHT ? spare
                                                             : 0))
            << i;
        EXPECT_EQ(line.box.top, static_cast<int>(i) * FixedMeasure::kLine) << i;
        EXPECT_EQ(line.box.Height(), FixedMeasure::kLine) << i;
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(layout.height, static_cast<int>(layout.lines.size()) * FixedMeasure::kLine);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutTest,
    ::testing::Values(
        LayoutCase{L"One\r\nTwo\r\nThree", DT_LEFT, 50, L"One|Two|Three"},
        LayoutCase{L"One\n\nTwo\r\r", DT_LEFT, 50, L"One||Two|"},
        LayoutCase{L"a\n\rb", DT_LEFT, 50, L"a||b"},
        LayoutCase{L"One\r\nTwo\nSix\r", DT_SINGLELINE, 50, L"One Two Six "},
        LayoutCase{L"a\tb", DT_LEFT, 50, L"a b"},
        // Words of 20 px and spaces of 3: two words fit in 43 px, not in 42.
        LayoutCase{L"aaaa bbbb cccc dddd eeee", DT_WORDBREAK, 43, L"aaaa bbbb|cccc dddd|eeee"},
        LayoutCase{L"aaaa bbbb cccc", DT_WORDBREAK, 42, L"aaaa|bbbb|cccc"},
        LayoutCase{L"aaaa     bbbb  ", DT_WORDBREAK | DT_RIGHT, 25, L"aaaa|bbbb"},
        LayoutCase{L"a WWWWWWWWWW b", DT_WORDBREAK | DT_CENTER, 30, L"a|WWWWWWWWWW|b"},
        LayoutCase{L"  aaaa", DT_WORDBREAK, 100, L"  aaaa"},
        LayoutCase{L"aaaa bbbb cccc", DT_WORDBREAK | DT_SINGLELINE, 30, L"aaaa bbbb cccc"}));

// Only a single line is centred in the height; the extent is the widest line by all lines.
TEST(LayoutPlacementTest, VerticalCentreAndExtent) {
    EXPECT_EQ(
        LayOutText(L"abc", {10, 0, 60, 40}, DT_SINGLELINE | DT_VCENTER, measure).lines[0].box.top,
        15);
    EXPECT_EQ(LayOutText(L"abc", {10, 0, 60, 40}, DT_VCENTER, measure).lines[0].box.top, 0);
    TextLayout layout = LayOutText(L"ab\r\nabcd\r\nabc", {5, 7, 5, 7}, DT_CALCRECT, measure);
    EXPECT_EQ(layout.extent, (raster::Rect{5, 7, 25, 37}));
    layout = LayOutText(L"aaaa bbbb cccc dddd eeee", {0, 0, 50, 0}, DT_WORDBREAK, measure);
    EXPECT_EQ(layout.extent, (raster::Rect{0, 0, 43, 30}));
    layout = LayOutText(L"", {3, 4, 50, 50}, DT_LEFT, measure);
    EXPECT_TRUE(layout.lines.empty());
    EXPECT_EQ(layout.height, 0);
    EXPECT_EQ(layout.extent, (raster::Rect{3, 4, 3, 4}));
}

using raster::Framebuffer;
using raster::Pixel;
using raster::Rect;
using raster_test::BoundsWhere;

constexpr Pixel kGrey = raster::MakePixel(128, 128, 128);
constexpr Pixel kWhite = raster::MakePixel(255, 255, 255);
constexpr Pixel kBlack = raster::MakePixel(0, 0, 0);
constexpr Pixel kRed = raster::MakePixel(255, 0, 0);
constexpr Pixel kBlue = raster::MakePixel(0, 0, 255);
constexpr int kCell = 12;
constexpr text::TextStyle kTransparent{kBlack, std::nullopt};

class DrawTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        font_ = text::OpenFont({.face = "Nina", .height = kCell});
        ASSERT_NE(font_, nullptr);
    }
    int Draw(const std::wstring& chars, Rect rect, unsigned format,
             const text::TextStyle& style = {}) {
        return text::DrawText(canvas_, *font_, chars, &rect, format, style);
    }
    Rect CalcRect(const std::wstring& chars, Rect rect, unsigned format = 0) {
        const int height = text::DrawText(canvas_, *font_, chars, &rect, format | DT_CALCRECT, {});
        EXPECT_EQ(height, rect.Height());
        return rect;
    }
    // Where the image is not grey any more.
    Rect Drawn() const {
        return BoundsWhere(image_, [&](int x, int y) { return image_.At(x, y) != kGrey; });
    }
    bool Any(const std::function<bool(Pixel)>& wanted) const {
        return !BoundsWhere(image_, [&](int x, int y) {
                    return wanted(image_.At(x, y));
                }).IsEmpty();
    }

    Framebuffer image_{120, 60, kGrey};
    raster::Canvas canvas_ = raster::CanvasFor(image_);
    std::shared_ptr<const text::Font> font_;
};

TEST_F(DrawTextTest, MeasuringGivesCellHeightsAndAdvancesAndDrawsNothing) {
    const Rect rect = CalcRect(L"12345", {10, 10, 10, 10});
    EXPECT_EQ(rect, (Rect{10, 10, 10 + 5 * font_->Advance(L'1'), 10 + kCell}));
    EXPECT_EQ(CalcRect(L"a\r\nbb\r\nc", {0, 0, 100, 60}).Height(), 3 * kCell);
    EXPECT_EQ(CalcRect(L"", {3, 4, 50, 50}), (Rect{3, 4, 3, 4}));
    EXPECT_TRUE(Drawn().IsEmpty());
    EXPECT_EQ(Draw(L"a\r\nb", {0, 0, 100, 60}, DT_LEFT), 2 * kCell);
    EXPECT_EQ(text::DrawText(canvas_, *font_, L"Go", nullptr, DT_LEFT, {}), 0);
}

TEST_F(DrawTextTest, EachLineIsInkedOnItsBaselineWithDescendersBelow) {
    Draw(L"HEH\r\ngjq\r\nSix", {0, 6, 120, 60}, DT_LEFT, kTransparent);
    for (int line = 0; line < 4; ++line) {
        const Rect ink = BoundsWhere(image_, [&](int x, int y) {
            return y >= 6 + line * kCell && y < 6 + (line + 1) * kCell && image_.At(x, y) != kGrey;
        });
        EXPECT_EQ(ink.IsEmpty(), line == 3) << "line " << line;
        if (line == 0) {
            EXPECT_EQ(ink.bottom, 6 + font_->Ascent()) << "capitals end on the baseline";
        } else if (line == 1) {
            EXPECT_GT(ink.bottom, 6 + kCell + font_->Ascent()) << "no descenders";
        }
    }
}

TEST_F(DrawTextTest, AlignedLinesSitInTheRectanglesMiddleOrAtItsRight) {
    constexpr Rect kMiddle{0, 0, 101, 51};
    Draw(L"HOH", kMiddle, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const Rect ink = Drawn();
    EXPECT_EQ(ink.Height(), kCell) << "the opaque line box";
    EXPECT_LE(std::abs(ink.left - (kMiddle.right - ink.right)), 1) << ink.left;
    EXPECT_LE(std::abs(ink.top - (kMiddle.bottom - ink.bottom)), 1) << ink.top;
    image_.Fill(kGrey);
    Draw(L"Go", {0, 0, 120, 50}, DT_RIGHT | DT_SINGLELINE);
    EXPECT_EQ(Drawn().top, 0);
    EXPECT_EQ(Drawn().right, 120);
}

// The opaque background fills each line box only, moved by the canvas's origin.
TEST_F(DrawTextTest, OpaqueBackgroundFillsEachLineBoxOnlyAtTheOrigin) {
    canvas_.originX = 4;
    canvas_.originY = 2;
    Draw(L"Go\r\nGame", {0, 0, 106, 56}, DT_LEFT);
    EXPECT_EQ(Drawn(), (Rect{4, 2, 4 + CalcRect(L"Game", {}).right, 2 + 2 * kCell}));
    const int goRight = 4 + CalcRect(L"Go", {}).right;
    EXPECT_EQ(image_.At(goRight, 2), kGrey);
    EXPECT_EQ(image_.At(goRight - 1, 2), kWhite);
}

TEST_F(DrawTextTest, GlyphsAreAntialiasedInTheirColourOverWhatLiesUnder) {
    image_.Fill(kRed);
    Draw(L"Go Game", {0, 0, 120, 60}, DT_LEFT, kTransparent);
    EXPECT_TRUE(Any([](Pixel p) { return p == kBlack; }));
    EXPECT_TRUE(Any([](Pixel p) { return p != kBlack && p != kRed; })) << "no mixed edges";
    EXPECT_FALSE(Any([](Pixel p) { return (p & 0xFFFF) != 0; })) << "not black over red";
    image_.Fill(kGrey);
    Draw(L"Go Game", {0, 0, 120, 60}, DT_LEFT, {kBlue, kWhite});
    EXPECT_TRUE(Any([](Pixel p) { return p == kBlue; }));
    EXPECT_FALSE(Any([](Pixel p) { return p != kGrey && (p & 0xFF) != 255; }));
}

TEST_F(DrawTextTest, ClippedToTheRectangleAndToTheCanvas) {
    const std::wstring overflowing = L"Clipping text that overflows\r\nand a second line";
    constexpr Rect kRect{10, 10, 40, 30};
    Draw(overflowing, kRect, DT_LEFT | DT_VCENTER);
    EXPECT_FALSE(Drawn().IsEmpty());
    EXPECT_EQ(raster::Intersect(Drawn(), kRect), Drawn());
    image_.Fill(kGrey);
    canvas_.clip = raster::Region(Rect{0, 0, 30, 60});
    Draw(overflowing, kRect, DT_LEFT);
    EXPECT_EQ(Drawn(), (Rect{10, 10, 30, 30}));
}

// Rectangles at the ends of the coordinate range: nothing overflows, and what lies off the
// framebuffer draws nothing.
TEST_F(DrawTextTest, FarRectanglesNeitherOverflowNorDrawOffTheFramebuffer) {
    canvas_.originX = 7;
    canvas_.originY = 3;
    const std::pair<Rect, bool> cases[] = {{{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, false},
                                           {{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX}, true},
                                           {{INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5}, true},
                                           {{INT_MAX, INT_MAX, INT_MIN, INT_MIN}, true}};
    for (const auto& [rect, offFramebuffer] : cases) {
        SCOPED_TRACE(::testing::Message() << rect.left << "," << rect.top);
        for (unsigned format :
             {DT_CENTER | DT_VCENTER | DT_SINGLELINE, DT_RIGHT | DT_SINGLELINE, DT_WORDBREAK}) {
            EXPECT_EQ(Draw(L"Far\r\ntext", rect, format),
                      format & DT_SINGLELINE ? kCell : 2 * kCell);
            Rect measured = rect;
            text::DrawText(canvas_, *font_, L"Far", &measured, format | DT_CALCRECT, {});
            EXPECT_GE(measured.Width(), 0);
            EXPECT_EQ(measured.left, rect.left);
        }
        EXPECT_EQ(Drawn().IsEmpty(), offFramebuffer);
        image_.Fill(kGrey);
    }
}

TEST(TextOfCountTest, NamesTheCharacters) {
    const struct {
        const wchar_t* chars;
        int count;
        const wchar_t* expected;
    } cases[] = {
        {L"Pass", -7, L"Pass"}, {L"Pass", 2, L"Pa"}, {L"Pa\0ss", 5, L"Pa"}, {nullptr, 3, L""}};
    for (const auto& c : cases) {
        EXPECT_EQ(text::TextOfCount(c.chars, c.count), c.expected) << c.count;
    }
}

}  // namespace
