// The game's steps as the player meets them: a move and the reply, refusals, the busy slot,
// the end of the game.
#include <cstring>

#include "platform/core/kernel_object.h"
#include "platform/core/screen.h"
#include "shell/board_cursor.h"
#include "tests/app/app_test.h"
#include "tests/platform/core/core_test_support.h"
#include "view/board_view.h"

namespace app_test {
namespace {

bool Inside(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

TEST_F(AppTest, MoveAndReplyRepaintOnlyTheChangedPointsAndTheTextRows) {
    raster::Framebuffer before(1, 1);
    std::uint8_t boardBefore[PointCount];
    Then([&] {
        before = screen::Frame();
        std::memcpy(boardBefore, Position.Board, sizeof boardBefore);
    });
    Keys({ActionKey});
    Then([&] {
        EXPECT_EQ(StoneAt(9, 9), Black);
        EXPECT_EQ(StoneCount(Black), 1);
        EXPECT_EQ(StoneCount(White), 1);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        // The message line said "Thinking..." when the step began.
        const std::vector<int> posts = script->StatusAtPosts();
        ASSERT_GE(posts.size(), 2u);
        EXPECT_EQ(posts[posts.size() - 2], StatusThinking);
        EXPECT_EQ(posts.back(), StatusYourMove);

        const auto changed = ChangedPoints(boardBefore, Position.Board);
        ASSERT_EQ(changed.size(), 2u);
        const BoardView& view = *GameSession.view;
        const raster::Framebuffer& after = screen::Frame();
        int changedPixels = 0;
        for (int y = 0; y < screen::ClientArea.Height(); ++y) {
            for (int x = 0; x < screen::Width; ++x) {
                const int frameY = y + screen::TitleBarHeight;
                if (before.At(x, frameY) == after.At(x, frameY)) {
                    continue;
                }
                ++changedPixels;
                bool explained = y >= view.StatusCell(0).top;  // the two text rows
                for (const auto& [px, py] : changed) {
                    explained = explained || Inside(view.PointRect(px, py), x, y);
                }
                EXPECT_TRUE(explained) << "pixel (" << x << ", " << y << ") changed";
            }
        }
        EXPECT_GT(changedPixels, 0);
        // Each stone is drawn: its centre holds its colour.
        for (const auto& [px, py] : changed) {
            const RECT r = view.PointRect(px, py);
            const COLORREF fill = StoneAt(px, py) == Black ? RGB(0, 0, 0) : RGB(255, 255, 255);
            EXPECT_EQ(core_test::ClientPixel(r.left + 2, r.top + 2), core_test::PixelOf(fill));
        }
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, ActionOnAStoneIsAnIllegalMoveAndChangesNothing) {
    std::uint8_t boardBefore[PointCount];
    Keys({ActionKey});  // a stone on (9, 9), and the reply
    Then([&] { std::memcpy(boardBefore, Position.Board, sizeof boardBefore); });
    Keys({ActionKey});  // (9, 9) again
    Then([&] {
        EXPECT_EQ(CurrentStatus(), StatusIllegalMove);
        EXPECT_EQ(std::memcmp(boardBefore, Position.Board, sizeof boardBefore), 0);
    });
    // The next action on an empty point plays normally.
    Keys({VK_UP, VK_UP, VK_UP, ActionKey});
    Then([&] {
        EXPECT_EQ(StoneAt(9, 6), Black);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, ActionOnASuicidePointIsAKoMove) {
    Then([] {
        // White stones around the corner point: a Black stone there would have no liberty.
        SetStone(1, 0, White);
        SetStone(0, 1, White);
    });
    MoveCursorTo(0, 0);
    Keys({ActionKey});
    Then([] {
        EXPECT_EQ(CurrentStatus(), StatusKoMove);
        EXPECT_EQ(StoneAt(0, 0), Empty);
        EXPECT_EQ(StoneCount(Black), 0);
        EXPECT_EQ(StoneCount(White), 2);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, ActionPassAndNewGameAreIgnoredWhileAStepRuns) {
    HANDLE step = nullptr;
    Then([] { kernel_objects::HoldThreads(true); });
    // The step is held before its first act, so everything below happens while it runs.
    script->KeyNow(ActionKey);
    script->ThenNow([&] {
        step = GameSession.workerThread;
        EXPECT_NE(step, nullptr);
    });
    script->KeyNow(VK_LEFT);  // the cursor still moves; the step keeps its point
    script->KeyNow(ActionKey);
    script->KeyNow(RightSoftKey);
    script->KeyNow(PassItem);
    script->KeyNow(RightSoftKey);
    script->KeyNow(NewGameItem);
    script->ThenNow([&] {
        EXPECT_EQ(GameSession.workerThread, step);
        EXPECT_EQ(ActiveWindow(), MainWindow()) << "no New Game dialog while a step runs";
        EXPECT_EQ(StoneCount(Black), 0);
        EXPECT_EQ(GameSession.cursor->x, 8);
        kernel_objects::HoldThreads(false);
    });
    Then([&] {
        EXPECT_EQ(GameSession.workerThread, nullptr);
        EXPECT_EQ(StoneAt(9, 9), Black) << "the stone goes where the cursor was at the key";
        EXPECT_EQ(StoneCount(Black), 1);
        EXPECT_EQ(StoneCount(White), 1);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

// Fills the board with one Black group whose only liberties are single points: the machine
// has no legal move and must pass.
void LeaveTheMachineNoMove() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            SetStone(x, y, Black);
        }
    }
    for (int x = 1; x < BoardSize; x += 4) {
        SetStone(x, 1, Empty);
    }
}

TEST_F(AppTest, TwoMachinePassesFinishTheGame) {
    Then([] { LeaveTheMachineNoMove(); });
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
        EXPECT_EQ(CurrentStatus(), StatusGameFinished);
        EXPECT_EQ(script->StatusAtPosts().back(), StatusGameFinished);
    });
    // Pass still runs a step, which ends as it began.
    ChooseFromMenu(PassItem);
    Then([this] {
        const std::vector<int> posts = script->StatusAtPosts();
        EXPECT_EQ(posts[posts.size() - 2], StatusThinking);
        EXPECT_EQ(CurrentStatus(), StatusGameFinished);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, ExitWhileTheMachineThinksEndsAtOnce) {
    Then([] { kernel_objects::HoldThreads(true); });
    script->KeyNow(ActionKey);
    script->KeyNow(LeftSoftKey);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(MainWindow(), nullptr);
    // The step finishes after the window is gone; its posts are dropped.
    kernel_objects::HoldThreads(false);
    EXPECT_TRUE(kernel_objects::WaitForThreads(20000));
}

TEST_F(AppTest, ClosingTheWindowWhileTheMachineThinksEndsAtOnce) {
    Then([] { kernel_objects::HoldThreads(true); });
    script->KeyNow(ActionKey);
    script->CloseNow();
    EXPECT_EQ(RunProgram(), 0);
    kernel_objects::HoldThreads(false);
    EXPECT_TRUE(kernel_objects::WaitForThreads(20000));
}

}  // namespace
}  // namespace app_test
