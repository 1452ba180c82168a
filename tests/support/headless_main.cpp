// The entry of the test binaries that open windows: headless, in a runtime folder of this
// process's own, so that no running program or parallel test is found, raised or locked out,
// also when a binary is run by hand.
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
