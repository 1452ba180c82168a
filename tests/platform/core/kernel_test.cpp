// Kernel services: the named mutex, the screen at the process's end; and a single
// instance across processes, with a real program.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/core/runtime_dir.h"
#include "platform/core/screen.h"
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
        folder_ = std::string(base && *base ? base : "/tmp") + "/cross-XXXXXX";
        mkdir(folder_.substr(0, folder_.rfind('/')).c_str(), 0700);
        ASSERT_NE(mkdtemp(folder_.data()), nullptr) << folder_;
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

    // Starts the program; with `shown`, waits until its window shows.
    std::pair<pid_t, HWND> Start(bool shown) {
        char program[] = TALVEX_SINGLE_INSTANCE_PROGRAM;
        char* arguments[] = {program, nullptr};
        pid_t child = 0;
        EXPECT_EQ(posix_spawn(&child, program, nullptr, nullptr, arguments, environ), 0);
        children_.push_back(child);
        HWND found = nullptr;
        for (const auto deadline = Clock::now() + Patience;
             shown && !(found = FindWindowW(L"Single", L"Single")) && Clock::now() < deadline;) {
            std::this_thread::sleep_for(20ms);
        }
        return {child, found};
    }
    // The exit code once the child has ended, waiting up to `patience`; nothing if it runs on.
    std::optional<int> ExitCode(pid_t child, Clock::duration patience) {
        for (const auto deadline = Clock::now() + patience;; std::this_thread::sleep_for(20ms)) {
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::erase(children_, child);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (Clock::now() >= deadline) {
                return std::nullopt;
            }
        }
    }

    std::string folder_;
    std::vector<pid_t> children_;
};

// The guard's name and the raise request the program uses for its single instance.
DWORD GuardError() {
    HANDLE guard = CreateMutexW(nullptr, FALSE, L"Talvex Single Instance");
    const DWORD error = guard ? GetLastError() : ~DWORD{0};
    CloseHandle(guard);
    return error;
}

HWND WithOwnedWindows(HWND window) {
    return reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(window) | 1);
}

TEST_F(CrossProcessTest, SecondInstanceRaisesTheFirstAndAKilledOneLeavesNothingBehind) {
    const auto [first, found] = Start(true);
    ASSERT_NE(found, nullptr) << "the program's window did not appear in time";
    EXPECT_EQ(GuardError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(SetForegroundWindow(WithOwnedWindows(found)));
    EXPECT_EQ(ExitCode(Start(false).first, Patience), std::optional<int>(0));
    EXPECT_EQ(ExitCode(first, 0s), std::nullopt) << "the first instance ended";
    // Killed, it leaves no stale lock or window.
    ASSERT_EQ(kill(first, SIGKILL), 0);
    EXPECT_EQ(ExitCode(first, Patience), std::optional<int>(128 + SIGKILL));
    struct stat entry;
    EXPECT_EQ(stat((folder_ + "/" + std::to_string(first) + ".windows").c_str(), &entry), 0)
        << "expected the killed program's list to be left behind";
    EXPECT_EQ(GuardError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(FindWindowW(L"Single", L"Single"), nullptr);
    EXPECT_FALSE(SetForegroundWindow(WithOwnedWindows(found)));
}

class NamedMutexTest : public ::testing::TestWithParam<const wchar_t*> {};

// A second creation finds the first until every handle is closed; the process id keeps runs of
// this test in parallel apart. Only named mutexes guard against a second instance.
TEST_P(NamedMutexTest, SecondCreationFindsTheFirstUntilItsHandlesAreClosed) {
    const std::wstring name = GetParam() + std::to_wstring(getpid());
    const auto create = [](const std::wstring& mutexName, DWORD error) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        HANDLE handle = CreateMutexW(nullptr, FALSE, mutexName.c_str());
        EXPECT_EQ(GetLastError(), error);
        return handle;
    };
    HANDLE first = create(name, ERROR_SUCCESS);
    HANDLE second = create(name, ERROR_ALREADY_EXISTS);
    HANDLE unrelated = create(name + L"x", ERROR_SUCCESS);
    EXPECT_TRUE(CloseHandle(unrelated) && CloseHandle(second) && CloseHandle(first));
    EXPECT_TRUE(CloseHandle(create(name, ERROR_SUCCESS))) << "closing did not free the name";
    EXPECT_EQ(create(L"", ERROR_INVALID_PARAMETER), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Core, NamedMutexTest,
                         ::testing::Values(L"Talvex Core Test ", L"slash/and/dots/../",
                                           L"caf\u00e9 \u56f2\u7881 "));

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

// A library that ends the process with exit() (Xlib does when the display goes away) must not
// run the backend's teardown, which then waits on a dead display.
TEST(ScreenExitTest, ExitDoesNotTearDownTheAttachedBackend) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            screen::Attach(std::make_unique<StuckBackend>());
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "");
}

}  // namespace
