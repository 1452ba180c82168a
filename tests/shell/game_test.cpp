// The program as the player meets it: start-up, the keys and the pointer on the board, a move
// and the reply, refusals, the busy slot, the end of the game, the single-instance guard, Exit.
#include <chrono>
#include <vector>

#include "platform/core/kernel_object.h"
#include "platform/core/menu_bar.h"
#include "platform/core/screen.h"
#include "platform/resource_module.h"
#include "shell/board_cursor.h"
#include "shell/previous_instance.h"
#include "shell/program_entry.h"
#include "tests/support/core_test_support.h"
#include "tests/support/shell_fixture.h"
#include "view/board_view.h"

namespace shell_test {
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

TEST_F(ShellTest, StartsWithInitializingThenYourMoveOnAnEmptyBoard) {
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

TEST_F(ShellTest, DirectionKeysWrapAtEveryEdgeAndMoveTheFrame) {
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

TEST_F(ShellTest, ClicksPlayOnTheBoardAndChooseFromThePopupWhichAClickElsewhereOnlyCloses) {
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
    MoveCursorTo(0, 0);    // empty: Pass plays no stone there
    Keys({RightSoftKey});  // Pass, the second item: the computer answers it
    script->Click([] {
        const raster::Rect r = menu_bar::PopupRow(1);
        return std::pair((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    });
    Then([] {
        EXPECT_EQ(CountStones(Black), 1);
        EXPECT_EQ(CountStones(White), 2);
        EXPECT_EQ(windows::Active(), MainWindow());
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(ShellTest, ASecondInstanceGivesUpWhenTheFirstShowsNoWindowAndEndsQuietly) {
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

// The soak checks that the board is painted as it stands; here, that nothing else is.
TEST_F(ShellTest, MoveAndReplyRepaintOnlyTheChangedPointsAndTheTextRows) {
    raster::Framebuffer before(1, 1);
    Then([&] { before = screen::Frame(); });
    Keys({ActionKey});
    Then([&] {
        EXPECT_EQ(StoneAt(9, 9), Black);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        // The message line said "Thinking..." when the step began.
        const std::vector<int> posts = script->StatusAtPosts();
        ASSERT_GE(posts.size(), 2u);
        EXPECT_EQ(posts[posts.size() - 2], StatusThinking);
        std::vector<int> changed;  // from the empty board
        for (int i = 0; i < PointCount; ++i) {
            if (Position.Board[i] != Empty) {
                changed.push_back(i);
            }
        }
        ASSERT_EQ(changed.size(), 2u);
        const BoardView& view = *GameSession.view;
        const raster::Framebuffer& after = screen::Frame();
        for (int y = 0; y < screen::ClientArea.Height(); ++y) {
            for (int x = 0; x < screen::Width; ++x) {
                const int frameY = y + screen::TitleBarHeight;
                bool explained = before.At(x, frameY) == after.At(x, frameY) ||
                                 y >= view.StatusCell(0).top;  // the two text rows
                for (int i : changed) {
                    const RECT r = view.PointRect(i / BoardSize, i % BoardSize);
                    explained |= x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                }
                EXPECT_TRUE(explained) << "pixel (" << x << ", " << y << ") changed";
            }
        }
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(ShellTest, ActionOnASuicidePointIsKoOnAStoneIllegalAndChangesNothing) {
    Then([] {
        // White stones around the corner point: a Black stone there would have no liberty.
        SetStone(1, 0, White);
        SetStone(0, 1, White);
    });
    MoveCursorTo(0, 0);
    Keys({ActionKey});
    Then([] {
        EXPECT_EQ(CurrentStatus(), StatusKoMove);
        EXPECT_EQ(CountStones(Black), 0);
    });
    MoveCursorTo(1, 0);
    Keys({ActionKey});
    Then([] {
        EXPECT_EQ(CurrentStatus(), StatusIllegalMove);
        EXPECT_EQ(CountStones(Black), 0);
        EXPECT_EQ(CountStones(White), 2);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(ShellTest, ActionPassAndNewGameAreIgnoredWhileAStepRuns) {
    HANDLE step = nullptr;
    Then([] { kernel_objects::HoldThreads(true); });
    // The step is held before its first act, so everything below happens while it runs.
    script->Key(ActionKey, false);
    script->Then([&] { EXPECT_NE(step = GameSession.workerThread, nullptr); }, false);
    for (unsigned key :
         {unsigned{VK_LEFT}, ActionKey, RightSoftKey, PassItem, RightSoftKey, NewGameItem}) {
        script->Key(key, false);  // the cursor still moves; the step keeps its point
    }
    script->Then(
        [&] {
            EXPECT_EQ(GameSession.workerThread, step);
            EXPECT_EQ(windows::Active(), MainWindow()) << "no New Game dialog while a step runs";
            EXPECT_EQ(CountStones(Black), 0);
            EXPECT_EQ(GameSession.cursor->x, 8);
            kernel_objects::HoldThreads(false);
        },
        false);
    Then([&] {
        EXPECT_EQ(StoneAt(9, 9), Black) << "the stone goes where the cursor was at the key";
        EXPECT_EQ(CountStones(Black), 1);
        EXPECT_EQ(CountStones(White), 1);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(ShellTest, TwoMachinePassesFinishTheGame) {
    Then([] {
        // One Black group whose liberties are single points: the machine has no legal move.
        for (int i = 0; i < PointCount; ++i) {
            Position.Board[i] = Black;
        }
        for (int x = 1; x < BoardSize; x += 4) {
            SetStone(x, 1, Empty);
        }
    });
    ChooseFromMenu(PassItem);
    Then([] {
        EXPECT_EQ(CurrentStatus(), StatusIPass);
        EXPECT_EQ(Position.GameActive, 1);
    });
    ChooseFromMenu(PassItem);
    Then([] {
        EXPECT_EQ(CurrentStatus(), StatusGameFinished);
        EXPECT_EQ(Position.GameActive, 0);
    });
    // The action key now does nothing at all, not even "Thinking...".
    MoveCursorTo(1, 1);
    Keys({ActionKey});
    Then([this] {
        EXPECT_EQ(StoneAt(1, 1), Empty);
        EXPECT_EQ(script->StatusAtPosts().back(), StatusGameFinished);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

class EndWhileThinking : public ShellTest, public ::testing::WithParamInterface<bool> {};

// Exit or the window's close button: the program ends at once; the held step finishes after
// the window is gone and its posts are dropped.
TEST_P(EndWhileThinking, EndsAtOnce) {
    Then([] { kernel_objects::HoldThreads(true); });
    script->Key(ActionKey, false);
    if (GetParam()) {
        script->CloseNow();
    } else {
        script->Key(LeftSoftKey, false);
    }
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(MainWindow(), nullptr);
    kernel_objects::HoldThreads(false);
    EXPECT_TRUE(kernel_objects::WaitForThreads(20000));
}

INSTANTIATE_TEST_SUITE_P(ExitOrClose, EndWhileThinking, ::testing::Bool());

}  // namespace
}  // namespace shell_test
