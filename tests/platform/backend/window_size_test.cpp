// The size the window opens at: the screen at scale 3, or at the scale TALVEX_SCALE asks for.
#include <SDL.h>
#include <gtest/gtest.h>

#include "backend_test_support.h"
#include "platform/backend/sdl_backend.h"

namespace backend {
namespace {

// The size of a window opened with TALVEX_SCALE set to `scale`.
ScreenPoint OpenedSize(const char* scale) {
    const ScopedEnv env("TALVEX_SCALE", scale);
    const auto backend = CreateSdlBackend(kScreenWidth, kScreenHeight);
    if (backend == nullptr) {
        ADD_FAILURE() << "no window";
        return {};
    }
    ScreenPoint size;
    SDL_GetWindowSize(SDL_GetWindowFromID(SdlBackend::Current()->WindowId()), &size.x, &size.y);
    return size;
}

TEST(WindowSizeTest, TheWindowOpensAtScaleThree) {
    EXPECT_EQ(OpenedSize(""), (ScreenPoint{3 * kScreenWidth, 3 * kScreenHeight}));
}

TEST(WindowSizeTest, TalvexScaleChoosesTheScale) {
    EXPECT_EQ(OpenedSize("1"), (ScreenPoint{kScreenWidth, kScreenHeight}));
    EXPECT_EQ(OpenedSize("2"), (ScreenPoint{2 * kScreenWidth, 2 * kScreenHeight}));
}

TEST(WindowSizeTest, AScaleOutOfRangeOpensAtScaleThree) {
    EXPECT_EQ(OpenedSize("12"), (ScreenPoint{3 * kScreenWidth, 3 * kScreenHeight}));
    EXPECT_EQ(OpenedSize("two"), (ScreenPoint{3 * kScreenWidth, 3 * kScreenHeight}));
}

}  // namespace
}  // namespace backend
