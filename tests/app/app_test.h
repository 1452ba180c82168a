// The whole program in the test process: the real WinMain and window procedure on a headless
// screen, driven by a script of keys and checks (ScriptedBackend).
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/core/window.h"
#include "platform/windows.h"
#include "rules/position.h"
#include "shell/game_session.h"
#include "tests/app/scripted_backend.h"

namespace app_test {

// The phone's keys as the platform hands them to the program.
constexpr unsigned ActionKey = VK_RETURN;
constexpr unsigned LeftSoftKey = VK_TSOFT1;
constexpr unsigned RightSoftKey = VK_TSOFT2;
constexpr unsigned BackKey = 0x1B;
// The Menu's items by their digits.
constexpr unsigned NewGameItem = '1';
constexpr unsigned PassItem = '2';
constexpr unsigned HelpItem = '3';
constexpr unsigned AboutItem = '4';

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs WinMain until the program ends; the script must end it.
    int RunProgram();
    // Forgets what an earlier run of the program left (its windows, mutex, state), so that
    // WinMain can run again in this process.
    static void ForgetEarlierRun();

    // Script shorthands.
    void Keys(std::initializer_list<unsigned> keys);
    void ChooseFromMenu(unsigned item);
    // Moves the cursor from wherever it is to (x, y) with the direction keys.
    void MoveCursorTo(int x, int y);
    // A click on the middle of board point (x, y).
    void ClickOnPoint(int x, int y);
    // Checks that run at the moment the script reaches them.
    void Then(std::function<void()> check) { script->Then(std::move(check)); }

    ScriptedBackend* script = nullptr;
};

// State of the running program, for checks.
HWND MainWindow();
// The top-level window that has the keys (a dialog while one is open).
HWND ActiveWindow();
int StoneCount(int color);
// Points whose Board bytes differ between two boards.
std::set<std::pair<int, int>> ChangedPoints(const std::uint8_t* before, const std::uint8_t* after);

}  // namespace app_test
