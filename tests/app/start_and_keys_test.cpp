// Start-up, the single-instance guard, the keys and the pointer on the board, and Exit.
#include <chrono>

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
        EXPECT_EQ(CountStones(Black) + CountStones(White), 0);
        EXPECT_EQ(Position.HumanColor, Black);
    });
    Keys({LeftSoftKey});  // Exit
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(MainWindow(), nullptr);
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
    Keys({BackKey});  // sends the game to the background, running
    Then([this] {
        EXPECT_TRUE(script->Minimised());
        EXPECT_NE(MainWindow(), nullptr);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, ClicksPlayOnTheBoardAndChooseFromThePopupWhichAClickElsewhereOnlyCloses) {
    ClickOnPoint(3, 16);  // as the action key, there
    Then([] {
        EXPECT_EQ(Cursor(), std::pair(3, 16));
        EXPECT_EQ(StoneAt(3, 16), Black);
        EXPECT_EQ(CountStones(White), 1);
    });
    script->Click([] { return std::pair(165, 210); });  // the Menu's label
    Then([] { EXPECT_TRUE(menu_bar::Popup().open); });
    ClickOnPoint(2, 2);
    Then([] {
        EXPECT_FALSE(menu_bar::Popup().open);
        EXPECT_EQ(Cursor(), std::pair(3, 16));
        EXPECT_EQ(CountStones(Black) + CountStones(White), 2);
    });
    Keys({RightSoftKey});  // Pass, the second item: the computer answers it
    script->Click([] {
        const raster::Rect r = menu_bar::PopupRow(1);
        return std::pair((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    });
    Then([] {
        EXPECT_EQ(CountStones(Black), 1);
        EXPECT_EQ(CountStones(White), 2);
        EXPECT_EQ(ActiveWindow(), MainWindow());
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, ASecondInstanceGivesUpWhenTheFirstShowsNoWindowAndEndsQuietly) {
    ASSERT_NE(CreateMutexW(nullptr, FALSE, MainWindowClass), nullptr);
    const auto start = std::chrono::steady_clock::now();
    int found = 1;
    EXPECT_EQ(ActivatePreviousInstance(MainWindowClass, L"Talvex Go 1.01", &found), E_FAIL);
    EXPECT_EQ(found, 0);
    // Five attempts, half a second apart.
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2400));
    wchar_t commandLine[] = L"";
    EXPECT_EQ(WinMain(&ProgramResources, nullptr, commandLine, SW_SHOW), 0);
    EXPECT_EQ(MainWindow(), nullptr);
}

}  // namespace
}  // namespace app_test
