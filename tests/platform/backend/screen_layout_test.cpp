// Where the phone screen sits in a window of any size, and the mapping between their pixels.
#include <gtest/gtest.h>

#include <ostream>

#include "backend_test_support.h"
#include "platform/backend/screen_layout.h"

namespace backend {
namespace {

struct WindowCase {
    int width;
    int height;
    int scale;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height << " window";
}

class ScreenLayoutTest : public ::testing::TestWithParam<WindowCase> {
  protected:
    ScreenLayout layout_{GetParam().width, GetParam().height, kScreenWidth, kScreenHeight};
};

TEST_P(ScreenLayoutTest, TakesTheLargestWholeScaleThatFits) {
    EXPECT_EQ(layout_.Scale(), GetParam().scale);
}

TEST_P(ScreenLayoutTest, EveryScreenPixelMapsThereAndBack) {
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const ScreenPoint window = layout_.ToWindow(x, y);
            ASSERT_EQ(layout_.ToScreen(window.x, window.y), (ScreenPoint{x, y}))
                << "screen pixel " << x << "," << y;
        }
    }
}

TEST_P(ScreenLayoutTest, TheBorderAroundTheScreenIsNoPixelOfIt) {
    const int scale = layout_.Scale();
    // The window pixels of the screen's outermost pixels.
    const int left = layout_.ToWindow(0, 0).x - scale / 2;
    const int top = layout_.ToWindow(0, 0).y - scale / 2;
    const int right = left + kScreenWidth * scale;  // first pixel past the screen
    const int bottom = top + kScreenHeight * scale;
    const int midX = layout_.ToWindow(kScreenWidth / 2, 0).x;
    const int midY = layout_.ToWindow(0, kScreenHeight / 2).y;

    EXPECT_EQ(layout_.ToScreen(left, midY), (ScreenPoint{0, kScreenHeight / 2}));
    EXPECT_EQ(layout_.ToScreen(left - 1, midY), std::nullopt);
    EXPECT_EQ(layout_.ToScreen(right - 1, midY),
              (ScreenPoint{kScreenWidth - 1, kScreenHeight / 2}));
    EXPECT_EQ(layout_.ToScreen(right, midY), std::nullopt);
    EXPECT_EQ(layout_.ToScreen(midX, top), (ScreenPoint{kScreenWidth / 2, 0}));
    EXPECT_EQ(layout_.ToScreen(midX, top - 1), std::nullopt);
    EXPECT_EQ(layout_.ToScreen(midX, bottom - 1),
              (ScreenPoint{kScreenWidth / 2, kScreenHeight - 1}));
    EXPECT_EQ(layout_.ToScreen(midX, bottom), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, ScreenLayoutTest,
                         ::testing::Values(WindowCase{176, 220, 1}, WindowCase{528, 660, 3},
                                           WindowCase{600, 800, 3}, WindowCase{1000, 660, 3},
                                           WindowCase{400, 500, 2}, WindowCase{1408, 1760, 8},
                                           WindowCase{100, 100, 1}));

TEST(ScreenLayoutCentringTest, TheSpareWindowIsSplitEvenlyAroundTheScreen) {
    // 600 x 800 holds the screen at scale 3 (528 x 660) with 72 and 140 pixels to spare.
    const ScreenLayout layout(600, 800, kScreenWidth, kScreenHeight);
    EXPECT_EQ(layout.ToScreen(36, 70), (ScreenPoint{0, 0}));
    EXPECT_EQ(layout.ToScreen(35, 70), std::nullopt);
    EXPECT_EQ(layout.ToScreen(36, 69), std::nullopt);
    EXPECT_EQ(layout.ToScreen(563, 729), (ScreenPoint{175, 219}));
    EXPECT_EQ(layout.ToScreen(564, 729), std::nullopt);
    EXPECT_EQ(layout.ToWindow(0, 0), (ScreenPoint{37, 71}));
}

}  // namespace
}  // namespace backend
