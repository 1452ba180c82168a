// Single instance across processes, with the real fixture program: the named mutex, finding
// and raising its window, a second instance giving way, and no stale state after a crash.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/runtime_dir.h"
#include "platform/windows.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto Patience = 10s;

class CrossProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A folder of its own, so that the window directory holds only this test's programs.
        const char* base = std::getenv("TALVEX_RUNTIME_DIR");
        std::string folder = std::string(base && *base ? base : "/tmp") + "/cross-XXXXXX";
        mkdir(folder.substr(0, folder.rfind('/')).c_str(), 0700);
        ASSERT_NE(mkdtemp(folder.data()), nullptr) << folder;
        folder_ = folder;
        setenv("TALVEX_RUNTIME_DIR", folder_.c_str(), 1);
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(runtime_dir::Path(), folder_)
            << "the runtime folder was chosen before this test: run it in a process of its own";
    }
    void TearDown() override {
        for (pid_t child : children_) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    pid_t Start() {
        char program[] = TALVEX_FIXTURE_PROGRAM;
        char* arguments[] = {program, nullptr};
        pid_t child = 0;
        EXPECT_EQ(posix_spawn(&child, program, nullptr, nullptr, arguments, environ), 0);
        children_.push_back(child);
        return child;
    }

    // The exit code once the child has ended, waiting up to `patience`; nothing if it runs on.
    std::optional<int> ExitCode(pid_t child, Clock::duration patience) {
        const auto deadline = Clock::now() + patience;
        do {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::erase(children_, child);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        } while (Clock::now() < deadline);
        return std::nullopt;
    }

    // The fixture's main window, once the child shows it.
    HWND WaitForWindow(pid_t child) {
        const auto deadline = Clock::now() + Patience;
        while (Clock::now() < deadline) {
            if (HWND found = FindWindowW(L"Fixture", L"Fixture")) {
                return found;
            }
            if (auto code = ExitCode(child, 0s)) {
                ADD_FAILURE() << "the fixture exited with " << *code << " before showing";
                return nullptr;
            }
            std::this_thread::sleep_for(20ms);
        }
        ADD_FAILURE() << "the fixture's window did not appear within 10 s";
        return nullptr;
    }

    std::string folder_;
    std::vector<pid_t> children_;
};

HWND WithOwnedWindows(HWND window) {
    return reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(window) | 1);
}

TEST_F(CrossProcessTest, SecondInstanceFindsRaisesAndGivesWayToTheFirst) {
    const pid_t first = Start();
    HWND found = WaitForWindow(first);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(FindWindowW(L"Fixture", L"Not the title"), nullptr);

    HANDLE guard = CreateMutexW(nullptr, FALSE, L"Talvex Platform Fixture");
    ASSERT_NE(guard, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(guard);
    EXPECT_TRUE(SetForegroundWindow(WithOwnedWindows(found)));

    const pid_t second = Start();
    EXPECT_EQ(ExitCode(second, Patience), std::optional<int>(0));
    EXPECT_EQ(ExitCode(first, 0s), std::nullopt) << "the first instance ended";
}

TEST_F(CrossProcessTest, KilledInstanceLeavesNoStaleLockOrWindow) {
    const pid_t first = Start();
    HWND found = WaitForWindow(first);
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(kill(first, SIGKILL), 0);
    EXPECT_EQ(ExitCode(first, Patience), std::optional<int>(128 + SIGKILL));
    struct stat entry;
    EXPECT_EQ(stat((folder_ + "/" + std::to_string(first) + ".windows").c_str(), &entry), 0)
        << "expected the killed program's list to be left behind";

    HANDLE guard = CreateMutexW(nullptr, FALSE, L"Talvex Platform Fixture");
    ASSERT_NE(guard, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(FindWindowW(L"Fixture", L"Fixture"), nullptr);
    EXPECT_FALSE(SetForegroundWindow(WithOwnedWindows(found)));
    CloseHandle(guard);
}

}  // namespace
