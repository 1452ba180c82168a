// Start-up, the single-instance guard, the keys and the pointer on the board, and Exit.
#include <chrono>
#include <cstring>

#include "platform/core/kernel_object.h"
#include "platform/core/menu_bar.h"
#include "platform/resource_module.h"
#include "shell/board_cursor.h"
#include "shell/previous_instance.h"
#include "shell/program_entry.h"
#include "tests/app/app_test.h"
#include "tests/platform/core/core_test_support.h"
#include "view/board_view.h"

namespace app_test {
namespace {

using core_test::ClientPixel;
using core_test::PixelOf;

std::pair<int, int> Cursor() {
    return {GameSession.cursor->x, GameSession.cursor->y};
}

bool HasCursorFrame(int x, int y) {
    const RECT r = GameSession.view->PointRect(x, y);
    // The frame's corners are black; an empty point's are board-coloured or a grid line's end.
    return ClientPixel(r.left, r.top) == PixelOf(RGB(0, 0, 0)) &&
           ClientPixel(r.right - 1, r.bottom - 1) == PixelOf(RGB(0, 0, 0)) &&
           ClientPixel(r.left + 1, r.bottom - 1) == PixelOf(RGB(0, 0, 0));
}

TEST_F(AppTest, StartsWithInitializingThenYourMoveOnAnEmptyBoard) {
    // Held, the first game's set-up cannot have begun when the window first paints.
    kernel_objects::HoldThreads(true);
    script->Then(
        [] {
            ASSERT_NE(MainWindow(), nullptr);
            EXPECT_EQ(CurrentStatus(), StatusInitializing);
            EXPECT_NE(GameSession.workerThread, nullptr);
            EXPECT_EQ(Cursor(), std::pair(9, 9));
            EXPECT_TRUE(HasCursorFrame(9, 9));
            EXPECT_EQ(ClientPixel(2, 2), PixelOf(RGB(250, 220, 173)));
            kernel_objects::HoldThreads(false);
        },
        false);
    Then([] {
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        EXPECT_EQ(GameSession.workerThread, nullptr);
        EXPECT_EQ(StoneCount(Black) + StoneCount(White), 0);
        EXPECT_EQ(Position.GameActive, 1);
        EXPECT_EQ(Position.HumanColor, Black);
    });
    Keys({LeftSoftKey});  // Exit
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(GameSession.view, nullptr);
}

TEST_F(AppTest, DirectionKeysWrapAtEveryEdgeAndMoveTheFrame) {
    struct Wrap {
        unsigned key;
        std::pair<int, int> from, to;
    };
    for (const Wrap& w : {Wrap{VK_LEFT, {0, 4}, {18, 4}}, Wrap{VK_RIGHT, {18, 7}, {0, 7}},
                          Wrap{VK_UP, {3, 0}, {3, 18}}, Wrap{VK_DOWN, {11, 18}, {11, 0}}}) {
        MoveCursorTo(w.from.first, w.from.second);
        Keys({w.key});
        Then([w] {
            EXPECT_EQ(Cursor(), w.to) << "key " << w.key;
            EXPECT_TRUE(HasCursorFrame(w.to.first, w.to.second));
            EXPECT_FALSE(HasCursorFrame(w.from.first, w.from.second));
        });
    }
    Then([] {
        // A held key's repeats arrive as further key-downs; other keys are not the board's.
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(SendMessageW(MainWindow(), WM_KEYDOWN, VK_RIGHT, 0), 1);
        }
        EXPECT_EQ(SendMessageW(MainWindow(), WM_KEYDOWN, 'A', 0), 0);
        EXPECT_EQ(Cursor(), std::pair(14, 0));
    });
    Keys({BackKey});  // sends the game to the background, running
    Then([this] {
        EXPECT_TRUE(script->Minimised());
        EXPECT_NE(MainWindow(), nullptr);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, ClickOnABoardPointMovesTheCursorThereAndActsAsTheActionKey) {
    std::uint8_t boardBefore[PointCount];
    ClickOnPoint(3, 16);
    Then([&] {
        EXPECT_EQ(Cursor(), std::pair(3, 16));
        EXPECT_EQ(StoneAt(3, 16), Black);
        EXPECT_EQ(StoneCount(White), 1);
        std::memcpy(boardBefore, Position.Board, sizeof boardBefore);
    });
    ClickOnPoint(3, 16);  // on the stone: refused as the key refuses it
    // Off the board (right of it, the text rows, the title bar) a click does nothing at all.
    for (const auto& at : {std::pair(170, 60), std::pair(40, 195), std::pair(40, 5)}) {
        script->Click([at] { return at; });
    }
    Then([&] {
        EXPECT_EQ(Cursor(), std::pair(3, 16));
        EXPECT_EQ(CurrentStatus(), StatusIllegalMove);
        EXPECT_EQ(std::memcmp(boardBefore, Position.Board, sizeof boardBefore), 0);
        Position.GameActive = 0;  // after the end of the game a click only moves the cursor
    });
    ClickOnPoint(18, 0);
    Then([&] {
        EXPECT_EQ(Cursor(), std::pair(18, 0));
        EXPECT_EQ(StoneAt(18, 0), Empty);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

std::pair<int, int> PopupRow(int row) {
    const raster::Rect r = menu_bar::PopupRow(row);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(AppTest, ClickOnAPopupItemChoosesItAndAClickElsewhereOnlyClosesThePopup) {
    // Opened with a click on its label, closed with a click on the board, which plays nothing.
    script->Click([] { return std::pair(165, 210); });
    Then([] { EXPECT_TRUE(menu_bar::Popup().open); });
    ClickOnPoint(2, 2);
    Then([] {
        EXPECT_FALSE(menu_bar::Popup().open);
        EXPECT_EQ(Cursor(), std::pair(9, 9));
        EXPECT_EQ(StoneCount(Black) + StoneCount(White), 0);
    });
    Keys({RightSoftKey});  // Pass, the second item: the computer answers it
    script->Click([] { return PopupRow(1); });
    Then([] {
        EXPECT_EQ(StoneCount(Black), 0);
        EXPECT_EQ(StoneCount(White), 1);
        EXPECT_EQ(ActiveWindow(), MainWindow());
    });
    Keys({RightSoftKey});  // About, the fourth
    script->Click([] { return PopupRow(3); });
    Then([] { EXPECT_EQ(windows::Find(ActiveWindow())->title, L"About"); });
    Keys({LeftSoftKey, LeftSoftKey});
    RunProgram();
}

constexpr wchar_t Title[] = L"Talvex Go 1.01";

TEST_F(AppTest, ASecondInstanceFindsTheRunningWindow) {
    ASSERT_NE(CreateMutexW(nullptr, FALSE, MainWindowClass), nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = MainWindowClass;
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    ASSERT_NE(CreateWindowExW(0, MainWindowClass, Title, WS_VISIBLE, 0, 0, 0, 0, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    int found = 0;
    EXPECT_EQ(ActivatePreviousInstance(MainWindowClass, Title, &found), S_OK);
    EXPECT_EQ(found, 1);
}

TEST_F(AppTest, ASecondInstanceGivesUpWhenTheFirstShowsNoWindowAndEndsQuietly) {
    ASSERT_NE(CreateMutexW(nullptr, FALSE, MainWindowClass), nullptr);
    const auto start = std::chrono::steady_clock::now();
    int found = 1;
    EXPECT_EQ(ActivatePreviousInstance(MainWindowClass, Title, &found), E_FAIL);
    EXPECT_EQ(found, 0);
    // Five attempts, half a second apart.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2400));
    wchar_t commandLine[] = L"";
    EXPECT_EQ(WinMain(&ProgramResources, nullptr, commandLine, SW_SHOW), 0);
    EXPECT_EQ(MainWindow(), nullptr);
}

}  // namespace
}  // namespace app_test
