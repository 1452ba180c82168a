// The whole program in the test process: the real WinMain and window procedure on a headless
// screen, driven by a script of keys and checks (ScriptedBackend).
#pragma once

#include <gtest/gtest.h>

#include <utility>

#include "platform/core/window.h"
#include "platform/windows.h"
#include "rules/position.h"
#include "shell/game_session.h"
#include "tests/support/engine_test.h"
#include "tests/support/scripted_backend.h"

namespace shell_test {

// The phone's keys as the platform hands them to the program, and the Menu's items.
constexpr unsigned ActionKey = VK_RETURN;
constexpr unsigned LeftSoftKey = VK_TSOFT1;
constexpr unsigned RightSoftKey = VK_TSOFT2;
constexpr unsigned BackKey = 0x1B;
constexpr unsigned NewGameItem = '1';
constexpr unsigned PassItem = '2';
constexpr unsigned HelpItem = '3';
constexpr unsigned AboutItem = '4';

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs WinMain until the program ends; the script must end it.
    int RunProgram();
    // Forgets what an earlier run left, so that WinMain can run again in this process.
    static void ForgetEarlierRun();

    void Keys(std::initializer_list<unsigned> keys) {
        for (unsigned key : keys) {
            script->Key(key);
        }
    }
    void ChooseFromMenu(unsigned item) { Keys({RightSoftKey, item}); }
    // Moves the cursor from wherever it is then to (x, y) with the direction keys.
    void MoveCursorTo(int x, int y);
    void ClickOnPoint(int x, int y);
    void Then(std::function<void()> check) { script->Then(std::move(check)); }

    ScriptedBackend* script = nullptr;
};

inline HWND MainWindow() {
    return FindWindowW(L"Talvex Go", L"Talvex Go 1.01");
}

}  // namespace shell_test
