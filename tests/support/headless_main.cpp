// The entry of the test binaries that open windows: headless, in a runtime folder of this
// process's own, so that no running program or parallel test is found, raised or locked out,
// also when a binary is run by hand. A test that blocks for good (a modal loop or a wait that
// is never woken) is ended with a word, not left to hang until CTest kills it silently.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

namespace {

class Watchdog : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { alarm(90); }
    void OnTestEnd(const ::testing::TestInfo&) override { alarm(0); }
};

extern "C" void EndBlockedTest(int) {
    static const char why[] = "test blocked for 90 s: a loop or a wait never ended\n";
    (void)!write(STDERR_FILENO, why, sizeof why - 1);
    _exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    mkdir(TALVEX_TEST_RUNTIME, 0700);
    const std::string runtime = std::string(TALVEX_TEST_RUNTIME) + "/" + std::to_string(getpid());
    setenv("TALVEX_RUNTIME_DIR", runtime.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    std::signal(SIGALRM, EndBlockedTest);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return RUN_ALL_TESTS();
}
