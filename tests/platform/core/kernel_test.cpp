// Kernel services: threads and their stacks, handles, the named mutex and the last error.
#include <gtest/gtest.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "platform/win_kernel.h"

namespace {

using namespace std::chrono_literals;

// A few hundred bytes a frame, 361 deep (a flood fill over a 19 × 19 board): more than the
// small stacks a thread would get if the minimum were not applied.
int Recurse(int depth) {
    volatile char frame[384];
    frame[depth % sizeof frame] = static_cast<char>(depth);
    if (depth == 0) {
        return frame[0];
    }
    return Recurse(depth - 1) + frame[depth % sizeof frame];
}

struct StackReport {
    std::thread::id thread;
    std::size_t stackBytes = 0;
    int sum = 0;
};

// Shared by the test and the thread, which may still be returning when the test ends.
using Reply = std::shared_ptr<std::promise<StackReport>>;

DWORD ReportStack(LPVOID parameter) {
    StackReport report;
    report.thread = std::this_thread::get_id();
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
        pthread_attr_getstacksize(&attributes, &report.stackBytes);
        pthread_attr_destroy(&attributes);
    }
    report.sum = Recurse(360);
    const std::unique_ptr<Reply> reply(static_cast<Reply*>(parameter));
    (*reply)->set_value(report);
    return 0;
}

class ThreadStackTest : public ::testing::TestWithParam<DWORD> {};

TEST_P(ThreadStackTest, RunsOnAnotherThreadWithAtLeastAMegabyteOfStack) {
    const Reply done = std::make_shared<std::promise<StackReport>>();
    auto future = done->get_future();
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, GetParam(), ReportStack, new Reply(done), 0, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, 0u);
    ASSERT_EQ(future.wait_for(20s), std::future_status::ready);
    const StackReport report = future.get();
    EXPECT_NE(report.thread, std::this_thread::get_id());
    EXPECT_GE(report.stackBytes, std::max<std::size_t>(GetParam(), 1u << 20));
    EXPECT_EQ(report.sum, Recurse(360));
    EXPECT_TRUE(CloseHandle(thread));
}

INSTANTIATE_TEST_SUITE_P(Core, ThreadStackTest, ::testing::Values(0u, 16u << 10, 2u << 20),
                         [](const auto& info) { return "Asks" + std::to_string(info.param); });

TEST(KernelTest, ClosingTheHandleOfARunningThreadLetsItFinish) {
    static std::atomic<bool> go{false};
    static std::promise<void> finished;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID) -> DWORD {
            while (!go) {
                Sleep(1);
            }
            finished.set_value();
            return 0;
        },
        nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_TRUE(CloseHandle(thread));
    go = true;
    EXPECT_EQ(finished.get_future().wait_for(10s), std::future_status::ready);
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(CloseHandle(thread)) << "closed twice";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr), nullptr);
}

class NamedMutexTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(NamedMutexTest, SecondCreationInOneProcessFindsTheFirst) {
    // The process id keeps runs of this test in parallel apart.
    const std::wstring name = GetParam() + std::to_wstring(getpid());
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    HANDLE first = CreateMutexW(nullptr, FALSE, name.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    HANDLE second = CreateMutexW(nullptr, FALSE, name.c_str());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    HANDLE unrelated = CreateMutexW(nullptr, FALSE, (name + L"x").c_str());
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_TRUE(CloseHandle(unrelated));
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_TRUE(CloseHandle(first));
    HANDLE again = CreateMutexW(nullptr, FALSE, name.c_str());
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS) << "closing the handles did not free the name";
    EXPECT_TRUE(CloseHandle(again));
    // Only named mutexes guard against a second instance; an unnamed one is refused.
    EXPECT_EQ(CreateMutexW(nullptr, FALSE, L""), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

INSTANTIATE_TEST_SUITE_P(Core, NamedMutexTest,
                         ::testing::Values(L"Talvex Core Test ", L"slash/and/dots/../",
                                           L"caf\u00e9 \u56f2\u7881 "),
                         [](const auto& info) { return "Name" + std::to_string(info.index); });

TEST(KernelTest, LastErrorBelongsToEachThread) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    DWORD atStart = 1234;
    DWORD afterFailure = 0;
    std::thread([&] {
        atStart = GetLastError();
        CloseHandle(nullptr);
        afterFailure = GetLastError();
    }).join();
    EXPECT_EQ(atStart, ERROR_SUCCESS);
    EXPECT_EQ(afterFailure, ERROR_INVALID_PARAMETER);
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
}

}  // namespace
