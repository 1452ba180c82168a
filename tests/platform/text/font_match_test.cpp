// Which face file a request gets: the requested family when installed, else a face of the
// generic family its pitch and family bits ask for. The DejaVu faces are a build dependency.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "platform/text/font.h"
#include "platform/text/font_match.h"

namespace {

using text::FontRequest;

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

struct FaceCase {
    const char* name;
    FontRequest request;
    const char* file;
};

std::ostream& operator<<(std::ostream& out, const FaceCase& c) {
    return out << c.name;
}

FontRequest Request(const char* face, int weight = 400, bool italic = false, int family = 0) {
    FontRequest request;
    request.face = face;
    request.height = 12;
    request.weight = weight;
    request.italic = italic;
    request.pitchAndFamily = family;
    return request;
}

class FaceFileTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceFileTest, OpensTheExpectedFile) {
    const auto font = text::OpenFont(GetParam().request);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(FileName(text::FacePath(*font)), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, FaceFileTest,
    ::testing::Values(
        FaceCase{"MissingFaceFallsBackToSans", Request("Nina"), "DejaVuSans.ttf"},
        FaceCase{"EmptyFaceIsTheDefaultSans", Request(""), "DejaVuSans.ttf"},
        FaceCase{"SystemIsTheDefaultSans", Request("System"), "DejaVuSans.ttf"},
        FaceCase{"InstalledMonoFace", Request("DejaVu Sans Mono"), "DejaVuSansMono.ttf"},
        FaceCase{"FamilyNameIgnoresCase", Request("dejavu serif"), "DejaVuSerif.ttf"},
        FaceCase{"MissingRomanFallsBackToSerif", Request("Nina", 400, false, 0x12),
                 "DejaVuSerif.ttf"},
        FaceCase{"MissingModernFallsBackToMono", Request("Nina", 400, false, 0x30),
                 "DejaVuSansMono.ttf"},
        FaceCase{"MissingFixedPitchFallsBackToMono", Request("Nina", 400, false, 0x21),
                 "DejaVuSansMono.ttf"},
        FaceCase{"InstalledFaceWinsOverFamilyBits", Request("DejaVu Sans Mono", 400, false, 0x10),
                 "DejaVuSansMono.ttf"},
        FaceCase{"BoldWeight", Request("DejaVu Sans", 700), "DejaVuSans-Bold.ttf"},
        FaceCase{"BoldFallback", Request("Nina", 700), "DejaVuSans-Bold.ttf"},
        FaceCase{"ItalicFallback", Request("Nina", 400, true), "DejaVuSans-Oblique.ttf"},
        FaceCase{"DontCareWeightIsNormal", Request("Nina", 0), "DejaVuSans.ttf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatchFacesTest, InstalledFaceComesFirstWithTheGenericFaceAfterIt) {
    const auto files = text::MatchFaces(Request("DejaVu Sans Mono"));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(FileName(files[0].path), "DejaVuSansMono.ttf");
    EXPECT_EQ(FileName(files[1].path), "DejaVuSans.ttf");
}

TEST(MatchFacesTest, MissingFaceGetsOnlyTheGenericFace) {
    const auto files = text::MatchFaces(Request("Nina"));
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(FileName(files[0].path), "DejaVuSans.ttf");
}

TEST(MatchFacesTest, InstalledBoldAndItalicFacesNeedNoSynthesis) {
    const auto files = text::MatchFaces(Request("DejaVu Sans", 700, true));
    ASSERT_FALSE(files.empty());
    EXPECT_EQ(FileName(files[0].path), "DejaVuSans-BoldOblique.ttf");
    EXPECT_FALSE(files[0].embolden);
    EXPECT_FALSE(files[0].oblique);
}

}  // namespace
