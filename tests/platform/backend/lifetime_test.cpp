// One window backend per process: a second is refused while the first lives, and a new one
// starts clean after it.
#include <SDL.h>
#include <gtest/gtest.h>

#include "backend_test_support.h"

namespace backend {
namespace {

TEST(BackendLifetimeTest, ASecondBackendIsRefusedWhileTheFirstLives) {
    auto first = CreateSdlBackend(kScreenWidth, kScreenHeight);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CreateSdlBackend(kScreenWidth, kScreenHeight), nullptr);

    // The refused one took nothing from the first.
    ASSERT_TRUE(InjectDesktopKey(SDLK_RIGHT, true));
    InputEvent event;
    ASSERT_TRUE(first->WaitInput(&event, 1000));
    EXPECT_EQ(event, KeyDown(0x27));
    ASSERT_TRUE(InjectClose());
    ASSERT_TRUE(first->WaitInput(&event, 1000));
    EXPECT_EQ(event, OfKind(InputKind::Close));
    EXPECT_FALSE(first->WaitInput(&event, 0)) << "a close gave more than one event";

    first.reset();
    EXPECT_NE(CreateSdlBackend(kScreenWidth, kScreenHeight), nullptr);
}

TEST(BackendLifetimeTest, ANewBackendReadsNothingLeftByTheLast) {
    auto first = CreateSdlBackend(kScreenWidth, kScreenHeight);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(InjectDesktopKey(SDLK_UP, true));
    first->Wake();
    first.reset();

    auto second = CreateSdlBackend(kScreenWidth, kScreenHeight);
    ASSERT_NE(second, nullptr);
    InputEvent event;
    EXPECT_FALSE(second->WaitInput(&event, 0));
    second->Wake();
    ASSERT_TRUE(second->WaitInput(&event, 1000));
    EXPECT_EQ(event, OfKind(InputKind::Wake));
}

TEST(BackendLifetimeTest, InjectingWithoutABackendFails) {
    EXPECT_FALSE(InjectDesktopKey(SDLK_UP, true));
    EXPECT_FALSE(InjectClick(10, 10));
    EXPECT_FALSE(InjectClose());
    EXPECT_FALSE(ResizeDesktopWindow(600, 800));
}

TEST(BackendLifetimeTest, AnEmptyScreenIsRefused) {
    EXPECT_EQ(CreateSdlBackend(0, kScreenHeight), nullptr);
    EXPECT_EQ(CreateSdlBackend(kScreenWidth, -1), nullptr);
    // And took no slot from a real one.
    EXPECT_NE(CreateSdlBackend(kScreenWidth, kScreenHeight), nullptr);
}

}  // namespace
}  // namespace backend
