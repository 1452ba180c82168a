// Fonts: which face file a request gets (the DejaVu faces are a build dependency), sizes and
// metrics, sharing, glyph blending, and drawing from several threads at once.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/text/font.h"
#include "platform/text/font_face.h"
#include "platform/text/font_match.h"
#include "platform/text/glyph_blend.h"
#include "platform/win_gdi.h"
#include "tests/platform/raster/raster_art.h"

namespace {

using raster::MakePixel;
using raster::Pixel;
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

TEST(FontMatchTest, OpensTheInstalledFaceElseTheDefaultSans) {
    const std::pair<FontRequest, const char*> cases[] = {
        {Request("Nina"), "DejaVuSans.ttf"},
        {Request(""), "DejaVuSans.ttf"},
        {Request("DejaVu Sans Mono"), "DejaVuSansMono.ttf"},
        {Request("dejavu serif"), "DejaVuSerif.ttf"}};
    for (const auto& [request, file] : cases) {
        EXPECT_EQ(FileOf(text::FacePath(*Open(request))), file) << request.face;
    }
    const auto files = text::MatchFaces(Request("DejaVu Sans Mono"));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(FileOf(files[0].path), "DejaVuSansMono.ttf");
    EXPECT_EQ(FileOf(files[1].path), "DejaVuSans.ttf");
    EXPECT_EQ(text::MatchFaces(Request("Nina")).size(), 1u);
}

class CellHeightTest : public ::testing::TestWithParam<int> {};

TEST_P(CellHeightTest, APositiveHeightIsTheLineAndANegativeOneTheTallerEm) {
    const auto cell = Open(Request("Nina", GetParam()));
    const auto em = Open(Request("Nina", -GetParam()));
    EXPECT_EQ(text::LineHeight(*cell), GetParam());
    EXPECT_GT(text::LineHeight(*em), GetParam());
    EXPECT_GT(em->Advance(L'M'), cell->Advance(L'M'));
}

INSTANTIATE_TEST_SUITE_P(Heights, CellHeightTest, ::testing::Values(8, 13, 134));

// The system font is the default sans at its cell height with room for descenders; equal
// requests share one font.
TEST(FontMetricsTest, SystemFontAndSharing) {
    const auto system = text::SystemFont();
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(text::LineHeight(*system), text::kSystemFontCellHeight);
    EXPECT_EQ(text::FacePath(*system), text::FacePath(*Open(Request(""))));
    EXPECT_EQ(Open(Request("Nina", 0)), system);
    EXPECT_EQ(text::LineHeight(*Open(Request("DejaVu Serif", 0))), text::kSystemFontCellHeight);
    EXPECT_GT(system->Ascent(), text::LineHeight(*system) / 2);
    EXPECT_LT(system->Ascent(), text::LineHeight(*system));
    EXPECT_EQ(Open(Request("Nina", 12)), Open(Request("Nina", 12)));
    EXPECT_NE(Open(Request("Nina", 12)), Open(Request("Nina", 14)));
    EXPECT_NE(Open(Request("Nina", 12)), Open(Request("Nina", -12)));
}

TEST(FontMetricsTest, AverageCharWidthIsAnAdvanceBetweenTheNarrowestAndWidest) {
    const auto mono = Open(Request("DejaVu Sans Mono", 16));
    EXPECT_EQ(text::AverageCharWidth(*mono), mono->Advance(L'x'));
    const auto font = Open(Request("Nina", 20));
    const int regular = text::AverageCharWidth(*font);
    EXPECT_GT(regular, font->Advance(L'i'));
    EXPECT_LT(regular, font->Advance(L'W'));
    EXPECT_GT(text::AverageCharWidth(*Open(Request("Nina", 40))), regular);
}

TEST(FontMetricsTest, ExtremeRequestsGiveUsableFontsOfBoundedSize) {
    for (const FontRequest& request : {Request("Nina", INT_MAX), Request("Nina", INT_MIN)}) {
        const int height = text::LineHeight(*Open(request));
        EXPECT_TRUE(height >= 1 && height <= 1300) << request.height;
    }
}

TEST(GlyphBlendTest, MixesEachChannelByCoverage) {
    EXPECT_EQ(text::Blend(MakePixel(10, 20, 30), MakePixel(200, 100, 0), 0), MakePixel(10, 20, 30));
    EXPECT_EQ(text::Blend(MakePixel(10, 20, 30), MakePixel(200, 100, 0), 255),
              MakePixel(200, 100, 0));
    EXPECT_EQ(text::Blend(MakePixel(100, 100, 100), 0, 128), MakePixel(50, 50, 50));  // 49.8
    EXPECT_EQ(text::Blend(MakePixel(255, 0, 0), MakePixel(0, 0, 255), 51), MakePixel(204, 0, 51));
}

// A 3 × 2 glyph (full, none, half / half, full, full) through the canvas's origin and clip.
TEST(GlyphBlendTest, WritesCoverageWhereTheOriginPutsItAndOnlyWhereTheCanvasMayWrite) {
    constexpr Pixel kUnder = MakePixel(200, 200, 200);
    text::Glyph glyph;
    glyph.width = 3;
    glyph.rows = 2;
    glyph.coverage = {255, 0, 128, 128, 255, 255};
    raster::Framebuffer image(10, 10, kUnder);
    raster::Canvas canvas = raster::CanvasFor(image);
    canvas.originX = 3;
    canvas.originY = 4;
    image.Set(5, 4, MakePixel(0, 0, 250));
    text::BlendGlyph(canvas, glyph, 0, 0, 0);
    EXPECT_EQ(image.At(3, 4), 0u);
    EXPECT_EQ(image.At(4, 4), kUnder);
    EXPECT_EQ(image.At(5, 4), MakePixel(0, 0, 125)) << "mixed with what was there";
    EXPECT_EQ(image.At(3, 5), text::Blend(kUnder, 0, 128));
    EXPECT_EQ(raster_test::ChangedBounds(raster::Framebuffer(10, 10, kUnder), image),
              (raster::Rect{3, 4, 6, 6}));

    image.Fill(kUnder);
    canvas = raster::CanvasFor(image);
    canvas.clip = raster::Region(raster::Rect{0, 0, 10, 1});
    text::BlendGlyph(canvas, glyph, 8, 0, 0);
    text::BlendGlyph(canvas, glyph, -2, -1, 0);
    EXPECT_EQ(raster_test::ChangedBounds(raster::Framebuffer(10, 10, kUnder), image),
              (raster::Rect{0, 0, 9, 1}));
    EXPECT_EQ(image.At(8, 0), 0u);
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
