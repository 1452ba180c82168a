// The view tests' entry: headless, with a runtime folder of their own, also when the binary is
// run by hand.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("TALVEX_RUNTIME_DIR", TALVEX_VIEW_TEST_RUNTIME, 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
