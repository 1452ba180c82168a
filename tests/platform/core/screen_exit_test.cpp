// The screen at the process's end: a library that ends the process with exit() (Xlib does when
// the display goes away) must not run the backend's teardown, which then waits on a dead display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/backend/backend.h"
#include "platform/core/screen.h"

namespace {

// A backend whose teardown never comes back, as closing a window on a display that is gone;
// its own exit code stands for the wait.
class StuckBackend final : public backend::Backend {
  public:
    ~StuckBackend() override { std::_Exit(3); }
    void Present(const raster::Framebuffer&) override {}
    bool WaitInput(backend::InputEvent*, int) override { return false; }
    void Wake() override {}
    void Raise() override {}
    void Minimise() override {}
    void SetTitle(const std::string&) override {}
    void SetIcon(const raster::Framebuffer&) override {}
    raster::Framebuffer LastFrame() const override { return {}; }
};

TEST(ScreenExitTest, ExitDoesNotTearDownTheAttachedBackend) {
    // A fresh process for the death test: the other tests' threads and screen stay out of it.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            screen::Attach(std::make_unique<StuckBackend>());
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
