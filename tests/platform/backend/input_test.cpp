// Input through SDL's queue: desktop keys, clicks and the close button reach the program as the
// phone's input, the rest is skipped, and waits end on time.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "backend_test_support.h"
#include "platform/backend/screen_layout.h"

namespace backend {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

class InputTest : public BackendTest {
  protected:
    // Every phone-screen pixel in `pixels` clicked comes back as itself.
    void ExpectClicksComeBack(const std::vector<ScreenPoint>& pixels) {
        for (const ScreenPoint& p : pixels) {
            ASSERT_TRUE(InjectClick(p.x, p.y));
            EXPECT_EQ(Next(), ClickAt(p.x, p.y)) << "clicked " << p.x << "," << p.y;
        }
        EXPECT_EQ(Next(0), std::nullopt) << "a click gave more than one event";
    }

    // The screen's corners and edges, the soft-key labels and a spread of pixels inside.
    static std::vector<ScreenPoint> SamplePixels() {
        std::vector<ScreenPoint> pixels{{0, 0},    {175, 0},   {0, 219},  {175, 219},
                                        {10, 210}, {165, 210}, {88, 110}, {1, 1}};
        for (int y = 0; y < kScreenHeight; y += 7) {
            for (int x = 0; x < kScreenWidth; x += 11) {
                pixels.push_back({x, y});
            }
        }
        return pixels;
    }
};

TEST_F(InputTest, KeysComeOutAsPhoneKeysInOrderWithRepeats) {
    ASSERT_TRUE(InjectDesktopKey(SDLK_LEFT, true));
    ASSERT_TRUE(InjectDesktopKey(SDLK_LEFT, true, true));
    ASSERT_TRUE(InjectDesktopKey(SDLK_a, true));  // no such phone key
    ASSERT_TRUE(InjectDesktopKey(SDLK_LEFT, true, true));
    ASSERT_TRUE(InjectDesktopKey(SDLK_LEFT, false));
    ASSERT_TRUE(InjectDesktopKey(SDLK_KP_ENTER, true));
    ASSERT_TRUE(InjectDesktopKey(SDLK_BACKSPACE, true));
    ASSERT_TRUE(InjectDesktopKey(SDLK_7, true));
    ASSERT_TRUE(InjectDesktopKey(SDLK_F2, true));

    EXPECT_EQ(Next(), KeyDown(0x25));
    EXPECT_EQ(Next(), KeyDown(0x25, true));
    EXPECT_EQ(Next(), KeyDown(0x25, true));
    EXPECT_EQ(Next(), KeyUp(0x25));
    EXPECT_EQ(Next(), KeyDown(0x0D));
    EXPECT_EQ(Next(), KeyDown(0x1B));
    EXPECT_EQ(Next(), KeyDown(0x37));
    EXPECT_EQ(Next(), KeyDown(0x71));
    EXPECT_EQ(Next(0), std::nullopt);
}

TEST_F(InputTest, AWaitWithNothingToReadEndsAtItsTimeout) {
    const auto start = Clock::now();
    EXPECT_EQ(Next(60), std::nullopt);
    EXPECT_GE(Clock::now() - start, milliseconds(50));
}

TEST_F(InputTest, KeysThePhoneLacksDoNotEndTheWait) {
    ASSERT_TRUE(InjectDesktopKey(SDLK_SPACE, true));
    ASSERT_TRUE(InjectDesktopKey(SDLK_SPACE, false));
    ASSERT_TRUE(InjectDesktopKey(SDLK_TAB, true));
    const auto start = Clock::now();
    EXPECT_EQ(Next(60), std::nullopt);
    EXPECT_GE(Clock::now() - start, milliseconds(50));
}

TEST_F(InputTest, ZeroTimeoutReadsOnlyWhatIsQueued) {
    EXPECT_EQ(Next(0), std::nullopt);
    ASSERT_TRUE(InjectDesktopKey(SDLK_DOWN, true));
    EXPECT_EQ(Next(0), KeyDown(0x28));
    EXPECT_EQ(Next(0), std::nullopt);
}

TEST_F(InputTest, NoPlaceForTheEventIsRefused) {
    EXPECT_FALSE(backend_->WaitInput(nullptr, 0));
}

TEST_F(InputTest, AClickComesBackAsTheScreenPixelClicked) {
    ExpectClicksComeBack(SamplePixels());
}

TEST_F(InputTest, ClicksStillHitTheirPixelInAResizedWindow) {
    ASSERT_TRUE(ResizeDesktopWindow(600, 800));  // scale 3 with a border
    ExpectClicksComeBack(SamplePixels());
    ASSERT_TRUE(ResizeDesktopWindow(400, 500));  // scale 2 with a border
    ExpectClicksComeBack(SamplePixels());
}

TEST_F(InputTest, ClicksOnTheBorderAroundTheScreenAreIgnored) {
    ASSERT_TRUE(ResizeDesktopWindow(600, 800));
    for (const ScreenPoint p : {ScreenPoint{-5, 100}, ScreenPoint{kScreenWidth, 100},
                                ScreenPoint{80, -5}, ScreenPoint{80, kScreenHeight}}) {
        ASSERT_TRUE(InjectClick(p.x, p.y));
    }
    EXPECT_EQ(Next(60), std::nullopt);
}

TEST_F(InputTest, TheCloseButtonCloses) {
    ASSERT_TRUE(InjectClose());
    EXPECT_EQ(Next(), OfKind(InputKind::Close));
    EXPECT_EQ(Next(0), std::nullopt);
}

}  // namespace
}  // namespace backend
