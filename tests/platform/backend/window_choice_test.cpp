// How the window opens: its scale, and the video driver with or without a display.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/backend/video_driver.h"
#include "platform/backend/window_scale.h"

namespace backend {
namespace {

TEST(ParseScaleTest, AcceptsWholeNumbersFromOneToEight) {
    EXPECT_EQ(ParseScale("1"), 1);
    EXPECT_EQ(ParseScale("3"), 3);
    EXPECT_EQ(ParseScale("8"), 8);
}

TEST(ParseScaleTest, RefusesAnythingElse) {
    for (const char* text : {"", "0", "9", "-2", "3x", " 3", "2.5", "abc", "99999999999"}) {
        EXPECT_EQ(ParseScale(text), std::nullopt) << "\"" << text << "\"";
    }
    EXPECT_EQ(ParseScale(nullptr), std::nullopt);
}

TEST(FitDefaultScaleTest, KeepsThreeWhereItFits) {
    EXPECT_EQ(FitDefaultScale(176, 220, 1920, 1050), 3);
    EXPECT_EQ(FitDefaultScale(176, 220, 528, 660), 3);
}

TEST(FitDefaultScaleTest, ShrinksOnASmallDisplayButNotBelowOne) {
    EXPECT_EQ(FitDefaultScale(176, 220, 1024, 600), 2);
    EXPECT_EQ(FitDefaultScale(176, 220, 527, 1000), 2);
    EXPECT_EQ(FitDefaultScale(176, 220, 320, 200), 1);
}

TEST(FitDefaultScaleTest, AnUnknownDisplayKeepsTheDefault) {
    EXPECT_EQ(FitDefaultScale(176, 220, 0, 0), 3);
}

struct DriverCase {
    const char* name;
    const char* sdlVideoDriver;
    const char* display;
    const char* waylandDisplay;
    VideoDriverChoice expected;
};

void PrintTo(const DriverCase& c, std::ostream* os) {
    *os << c.name;
}

class VideoDriverTest : public ::testing::TestWithParam<DriverCase> {};

TEST_P(VideoDriverTest, ChoosesFromTheEnvironment) {
    const DriverCase& c = GetParam();
    EXPECT_EQ(ChooseVideoDriver(c.sdlVideoDriver, c.display, c.waylandDisplay), c.expected);
}

constexpr VideoDriverChoice kDesktop{.headless = false, .forceDummy = false};
constexpr VideoDriverChoice kNamedHeadless{.headless = true, .forceDummy = false};
constexpr VideoDriverChoice kDummy{.headless = true, .forceDummy = true};

INSTANTIATE_TEST_SUITE_P(
    Environments, VideoDriverTest,
    ::testing::Values(DriverCase{"X11Display", nullptr, ":0", nullptr, kDesktop},
                      DriverCase{"WaylandDisplay", nullptr, nullptr, "wayland-0", kDesktop},
                      DriverCase{"NoDisplay", nullptr, nullptr, nullptr, kDummy},
                      DriverCase{"EmptyDisplays", "", "", "", kDummy},
                      DriverCase{"NamedDummy", "dummy", ":0", nullptr, kNamedHeadless},
                      DriverCase{"NamedOffscreen", "offscreen", nullptr, nullptr, kNamedHeadless},
                      DriverCase{"NamedHeadlessList", "offscreen,dummy", nullptr, nullptr,
                                 kNamedHeadless},
                      DriverCase{"ListWithADesktopDriver", "dummy,x11", ":0", nullptr, kDesktop},
                      DriverCase{"NamedX11WithoutDisplay", "x11", nullptr, nullptr, kDesktop}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace backend
