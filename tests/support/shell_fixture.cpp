#include "tests/support/shell_fixture.h"

#include <cstdlib>

#include "platform/core/screen.h"
#include "platform/resource_module.h"
#include "shell/board_cursor.h"
#include "shell/program_entry.h"
#include "tests/support/program_reset.h"
#include "view/board_view.h"

namespace shell_test {

void ShellTest::ForgetEarlierRun() {
    if (!ResetProgram()) {
        ADD_FAILURE() << "a worker thread of the program did not end";
    }
}

void ShellTest::SetUp() {
    ForgetEarlierRun();
    auto scripted = std::make_unique<ScriptedBackend>();
    script = scripted.get();
    screen::Attach(std::move(scripted));
}

void ShellTest::TearDown() {
    ForgetEarlierRun();
    screen::Detach();
}

int ShellTest::RunProgram() {
    wchar_t commandLine[] = L"";
    const int code = WinMain(&ProgramResources, nullptr, commandLine, SW_SHOW);
    EXPECT_EQ(script->Pending(), 0u) << "the program ended before the script did";
    return code;
}

void ShellTest::MoveCursorTo(int x, int y) {
    Then([x, y] {
        const BoardCursor& cursor = *GameSession.cursor;
        const auto send = [](unsigned key, int times) {
            for (int i = 0; i < times; ++i) {
                SendMessageW(MainWindow(), WM_KEYDOWN, key, 0);
            }
        };
        send(x > cursor.x ? VK_RIGHT : VK_LEFT, std::abs(x - cursor.x));
        send(y > cursor.y ? VK_DOWN : VK_UP, std::abs(y - cursor.y));
    });
}

void ShellTest::ClickOnPoint(int x, int y) {
    script->Click([x, y] {
        const RECT r = GameSession.view->PointRect(x, y);
        const raster::Rect client = windows::ScreenClientRect(MainWindow());
        return std::pair<int, int>(client.left + (r.left + r.right) / 2,
                                   client.top + (r.top + r.bottom) / 2);
    });
}

}  // namespace shell_test
