// The entry of the test binaries that open windows: headless, and in a runtime folder of this
// process's own, so that neither a developer's running program nor a test running alongside is
// found, raised or locked out. Set here rather than through CTest, so that running a binary by
// hand is just as isolated.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    mkdir(TALVEX_TEST_RUNTIME, 0700);
    const std::string runtime = std::string(TALVEX_TEST_RUNTIME) + "/" + std::to_string(getpid());
    setenv("TALVEX_RUNTIME_DIR", runtime.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
