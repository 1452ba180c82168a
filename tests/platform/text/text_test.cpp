// Text: the layout with fixed widths; DrawText's clipping with a real font (DejaVu, a build
// dependency); the faces the game asks for, sizes, sharing, and drawing from several threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/text/font.h"
#include "platform/text/font_face.h"
#include "platform/text/font_match.h"
#include "platform/text/text_layout.h"
#include "platform/text/text_measure.h"
#include "platform/win_gdi.h"
#include "tests/support/raster_art.h"

namespace {

using raster::Framebuffer;
using raster::Pixel;
using raster::Rect;

// Every character is 5 pixels wide except 'W' (9) and ' ' (3); lines are 10 pixels high.
class FixedMeasure : public text::TextMeasure {
  public:
    int Advance(wchar_t c) const override { return c == L'W' ? 9 : c == L' ' ? 3 : 5; }
    int LineHeight() const override { return 10; }
} const measure{};

struct LayoutCase {
    const wchar_t* text;
    unsigned format;
    int width;
    const wchar_t* lines;  // apart by '|'
    friend void PrintTo(const LayoutCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(std::wstring(c.text)) << " in " << c.width;
    }
};

// In a rectangle from x 10, `width` wide: the lines, each as wide as its characters, placed in
// the width as the format asks, one line height below the other.
class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, BreaksWrapsAndPlacesTheLines) {
    const LayoutCase& c = GetParam();
    const text::TextLayout layout =
        text::LayOutText(c.text, {10, 0, 10 + c.width, 40}, c.format, measure);
    std::wstring lines;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const auto& line = layout.lines[i];
        lines += (i == 0 ? L"" : L"|") + line.chars;
        int width = 0;
        std::for_each(line.chars.begin(), line.chars.end(),
                      [&](wchar_t ch) { width += measure.Advance(ch); });
        const int spare = c.width - width;
        const int left = 10 + (c.format & DT_CENTER ? spare / 2 : c.format & DT_RIGHT ? spare : 0);
        EXPECT_EQ(line.box, (Rect{left, static_cast<int>(i) * 10, left + width,
                                  static_cast<int>(i) * 10 + 10}))
            << i;
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(layout.height, static_cast<int>(layout.lines.size()) * 10);
}

// Words of 20 px and spaces of 3: two words fit in 43 px.
INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutTest,
    ::testing::Values(
        LayoutCase{L"One\r\nTwo\r\nThree", DT_LEFT, 50, L"One|Two|Three"},
        LayoutCase{L"a\n\rb\r\r", DT_LEFT, 50, L"a||b|"},
        LayoutCase{L"One\r\nTwo\nSix\r", DT_SINGLELINE, 50, L"One Two Six "},
        LayoutCase{L"aaaa bbbb cccc dddd eeee", DT_WORDBREAK, 43, L"aaaa bbbb|cccc dddd|eeee"},
        LayoutCase{L"aaaa     bbbb  ", DT_WORDBREAK | DT_RIGHT, 25, L"aaaa|bbbb"},
        LayoutCase{L"a WWWWWWWWWW b", DT_WORDBREAK | DT_CENTER, 30, L"a|WWWWWWWWWW|b"},
        LayoutCase{L"aaaa bbbb cccc", DT_WORDBREAK | DT_SINGLELINE, 30, L"aaaa bbbb cccc"}));

constexpr Pixel kGrey = raster::MakePixel(128, 128, 128);
constexpr int kCell = 12;

class DrawTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        font_ = text::OpenFont({.face = "Nina", .height = kCell});
        ASSERT_NE(font_, nullptr);
    }
    int Draw(const std::wstring& chars, Rect rect, unsigned format) {
        return text::DrawText(canvas_, *font_, chars, &rect, format, {});
    }
    Rect Drawn() const {  // where the image is not grey any more
        return raster_test::BoundsWhere(image_,
                                        [&](int x, int y) { return image_.At(x, y) != kGrey; });
    }

    Framebuffer image_{120, 60, kGrey};
    raster::Canvas canvas_ = raster::CanvasFor(image_);
    std::shared_ptr<const text::Font> font_;
};

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

using raster::MakePixel;
using text::FontRequest;

FontRequest Request(const char* face, int height = 12) {
    return {face, height};
}

std::shared_ptr<const text::Font> Open(const FontRequest& request) {
    auto font = text::OpenFont(request);
    EXPECT_NE(font, nullptr) << request.face << " " << request.height;
    return font ? font : text::SystemFont();
}

std::string FileOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The game's faces ("Nina", unknown here, and the system font) are the default sans.
TEST(FontTest, FacesHeightsAndSharing) {
    EXPECT_EQ(FileOf(text::FacePath(*Open(Request("Nina")))), "DejaVuSans.ttf");
    EXPECT_EQ(FileOf(text::FacePath(*text::SystemFont())), "DejaVuSans.ttf");
    // A positive height is the line, a negative one the taller em, zero the system font's
    // cell; equal requests share one font.
    for (int height : {8, 134}) {
        EXPECT_EQ(text::LineHeight(*Open(Request("Nina", height))), height);
        EXPECT_GT(text::LineHeight(*Open(Request("Nina", -height))), height);
    }
    EXPECT_EQ(Open(Request("Nina", 0)), text::SystemFont());
    EXPECT_EQ(Open(Request("Nina", 12)), Open(Request("Nina", 12)));
    EXPECT_NE(Open(Request("Nina", 12)), Open(Request("Nina", -12)));
}

// Fonts are opened on one thread and drawn with on others (the painter and the dialogs): what
// threads render at the same time, through shared fonts, is what one thread renders alone.
TEST(FontThreadsTest, ConcurrentOpeningAndDrawingGiveTheSinglyDrawnPixels) {
    const std::wstring chars = L"\u00e6\u00f8\u00e5 \u00df\u00fe \u00f0\u00e7 qjxz QJXZ";
    constexpr std::array kHeights{17, 18, 19};
    const auto render = [&](const text::Font& font) {
        raster::Framebuffer image(100, 60, MakePixel(90, 90, 90));
        raster::Rect rect{0, 0, 100, 60};
        text::DrawText(raster::CanvasFor(image), font, chars, &rect, DT_WORDBREAK, {});
        return image;
    };
    // References from fonts loaded apart from the shared ones, drawn on this thread alone.
    std::vector<raster::Framebuffer> expected;
    for (int height : kHeights) {
        const auto files = text::MatchFaces(Request("DejaVu Serif", height));
        ASSERT_FALSE(files.empty());
        const auto font = text::Font::Load(files.front(), {height, true});
        ASSERT_NE(font, nullptr);
        expected.push_back(render(*font));
        ASSERT_NE(expected.back(), raster::Framebuffer(100, 60, MakePixel(90, 90, 90)));
    }
    std::array<int, 4> mismatches{};
    std::vector<std::thread> threads;
    for (size_t t = 0; t < mismatches.size(); ++t) {
        threads.emplace_back([&, t] {
            for (size_t round = 0; round < 12; ++round) {
                const size_t size = (round + t) % kHeights.size();
                const auto font = text::OpenFont(Request("DejaVu Serif", kHeights[size]));
                mismatches[t] += font == nullptr || !(render(*font) == expected[size]);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, (std::array<int, 4>{}));
}

}  // namespace
