// The core tests' entry: every run is headless and meets other programs of the platform only in
// a runtime folder of its own. Set here rather than through CTest, so that running the binary
// by hand is just as isolated.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("TALVEX_RUNTIME_DIR", TALVEX_CORE_TEST_RUNTIME, 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
