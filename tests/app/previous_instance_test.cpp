// The single-instance guard in one process: the mutex taken, a running window found and raised,
// or given up after its five attempts.
#include <chrono>

#include "platform/resource_module.h"
#include "shell/previous_instance.h"
#include "shell/program_entry.h"
#include "tests/app/app_test.h"

namespace app_test {
namespace {

constexpr wchar_t Title[] = L"Talvex Go 1.01";

TEST_F(AppTest, TheFirstInstanceTakesAndKeepsTheMutex) {
    int found = -1;
    EXPECT_EQ(ActivatePreviousInstance(MainWindowClass, Title, &found), S_OK);
    EXPECT_EQ(found, 0);
    HANDLE second = CreateMutexW(nullptr, FALSE, MainWindowClass);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(second);
}

TEST_F(AppTest, ASecondInstanceFindsTheRunningWindow) {
    HANDLE first = CreateMutexW(nullptr, FALSE, MainWindowClass);
    ASSERT_NE(first, nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = MainWindowClass;
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    HWND running = CreateWindowExW(0, MainWindowClass, Title, WS_VISIBLE, 0, 0, 0, 0, nullptr,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(running, nullptr);
    int found = 0;
    EXPECT_EQ(ActivatePreviousInstance(MainWindowClass, Title, &found), S_OK);
    EXPECT_EQ(found, 1);
}

TEST_F(AppTest, ASecondInstanceGivesUpWhenTheFirstShowsNoWindow) {
    HANDLE first = CreateMutexW(nullptr, FALSE, MainWindowClass);
    ASSERT_NE(first, nullptr);
    const auto start = std::chrono::steady_clock::now();
    int found = 1;
    EXPECT_EQ(ActivatePreviousInstance(MainWindowClass, Title, &found), E_FAIL);
    EXPECT_EQ(found, 0);
    // Five attempts, half a second apart.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2400));
    // And the program then ends quietly.
    wchar_t commandLine[] = L"";
    EXPECT_EQ(WinMain(&ProgramResources, nullptr, commandLine, SW_SHOW), 0);
    EXPECT_EQ(MainWindow(), nullptr);
}

}  // namespace
}  // namespace app_test
