// Font sizes and metrics: cell height against em height, the system font, the average width
// that dialog units use, and the sharing of equal requests.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "platform/text/font.h"
#include "platform/text/font_face.h"

namespace text {
void PrintTo(const FontRequest& request, std::ostream* out) {
    *out << '"' << request.face << "\" height " << request.height << " weight " << request.weight;
}
}  // namespace text

namespace {

using text::FontRequest;

FontRequest Sized(const char* face, int height, int weight = 400) {
    FontRequest request;
    request.face = face;
    request.height = height;
    request.weight = weight;
    return request;
}

std::shared_ptr<const text::Font> Open(const FontRequest& request) {
    auto font = text::OpenFont(request);
    EXPECT_NE(font, nullptr) << request.face << " " << request.height;
    return font;
}

class CellHeightTest : public ::testing::TestWithParam<int> {};

TEST_P(CellHeightTest, PositiveHeightIsTheLineHeight) {
    const auto font = Open(Sized("Nina", GetParam()));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(text::LineHeight(*font), GetParam());
}

TEST_P(CellHeightTest, NegativeHeightIsTheEmSoTheLineIsTaller) {
    const auto cell = Open(Sized("Nina", GetParam()));
    const auto em = Open(Sized("Nina", -GetParam()));
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(em, nullptr);
    EXPECT_GT(text::LineHeight(*em), GetParam());
    EXPECT_GT(em->Advance(L'M'), cell->Advance(L'M'));
}

INSTANTIATE_TEST_SUITE_P(Heights, CellHeightTest, ::testing::Values(8, 12, 13, 15, 20, 31, 134));

TEST(SystemFontTest, IsTheDefaultSansAtTheSystemCellHeight) {
    const auto system = text::SystemFont();
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(text::LineHeight(*system), text::kSystemFontCellHeight);
    EXPECT_EQ(text::FacePath(*system), text::FacePath(*Open(Sized("", 12))));
}

TEST(SystemFontTest, HeightZeroAsksForTheSystemSize) {
    const auto system = text::SystemFont();
    EXPECT_EQ(Open(Sized("Nina", 0)), system);
    EXPECT_EQ(text::LineHeight(*Open(Sized("DejaVu Serif", 0))), text::kSystemFontCellHeight);
}

TEST(SystemFontTest, BaselineLeavesRoomForDescenders) {
    const auto system = text::SystemFont();
    EXPECT_GT(system->Ascent(), text::LineHeight(*system) / 2);
    EXPECT_LT(system->Ascent(), text::LineHeight(*system));
}

TEST(FontCacheTest, EqualRequestsShareOneFont) {
    EXPECT_EQ(Open(Sized("Nina", 12)), Open(Sized("Nina", 12)));
    EXPECT_NE(Open(Sized("Nina", 12)), Open(Sized("Nina", 14)));
    EXPECT_NE(Open(Sized("Nina", 12)), Open(Sized("Nina", -12)));
}

TEST(AverageCharWidthTest, MonospacedFaceAveragesToItsOneAdvance) {
    const auto mono = Open(Sized("DejaVu Sans Mono", 16));
    ASSERT_NE(mono, nullptr);
    EXPECT_EQ(text::AverageCharWidth(*mono), mono->Advance(L'x'));
}

TEST(AverageCharWidthTest, LiesBetweenTheNarrowestAndWidestLetters) {
    const auto font = Open(Sized("Nina", 20));
    ASSERT_NE(font, nullptr);
    EXPECT_GT(text::AverageCharWidth(*font), font->Advance(L'i'));
    EXPECT_LT(text::AverageCharWidth(*font), font->Advance(L'W'));
}

TEST(AverageCharWidthTest, GrowsWithSizeAndWeight) {
    const int regular = text::AverageCharWidth(*Open(Sized("Nina", 20)));
    EXPECT_GT(text::AverageCharWidth(*Open(Sized("Nina", 40))), regular);
    EXPECT_GT(text::AverageCharWidth(*Open(Sized("Nina", 20, 700))), regular);
}

class ExtremeRequestTest : public ::testing::TestWithParam<FontRequest> {};

TEST_P(ExtremeRequestTest, GivesAUsableFontOfBoundedSize) {
    const auto font = text::OpenFont(GetParam());
    ASSERT_NE(font, nullptr);
    EXPECT_GE(text::LineHeight(*font), 1);
    EXPECT_LE(text::LineHeight(*font), 1300);
}

INSTANTIATE_TEST_SUITE_P(Requests, ExtremeRequestTest,
                         ::testing::Values(Sized("Nina", INT_MAX), Sized("Nina", INT_MIN),
                                           Sized("Nina", 1), Sized("Nina", -1),
                                           Sized("Nina", 12, -5), Sized("Nina", 12, 5000)));

}  // namespace
