// The resource tests' entry: windows that hold the soft-key bars are published only in a
// runtime folder of the tests' own, where no developer's running program meets them.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("TALVEX_RUNTIME_DIR", TALVEX_RESOURCES_TEST_RUNTIME, 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
