// Start-up, the cursor keys and Exit, through the real WinMain.
#include "platform/core/kernel_object.h"
#include "platform/core/screen.h"
#include "shell/board_cursor.h"
#include "tests/app/app_test.h"
#include "tests/platform/core/core_test_support.h"
#include "view/board_view.h"

namespace app_test {
namespace {

using core_test::ClientPixel;
using core_test::PixelOf;

constexpr COLORREF BoardColour = RGB(250, 220, 173);

bool HasCursorFrame(int x, int y) {
    const RECT r = GameSession.view->PointRect(x, y);
    // The frame's corner is black; without a frame an empty corner point is board-coloured.
    return ClientPixel(r.left, r.top) == PixelOf(RGB(0, 0, 0)) &&
           ClientPixel(r.right - 1, r.bottom - 1) == PixelOf(RGB(0, 0, 0)) &&
           ClientPixel(r.left + 1, r.bottom - 1) == PixelOf(RGB(0, 0, 0));
}

TEST_F(AppTest, StartsWithInitializingThenYourMoveOnAnEmptyBoard) {
    // Held, the first game's set-up cannot have begun when the window first paints.
    kernel_objects::HoldThreads(true);
    script->ThenNow([&] {
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_EQ(CurrentStatus(), StatusInitializing);
        EXPECT_NE(GameSession.workerThread, nullptr);
        EXPECT_EQ(GameSession.cursor->x, 9);
        EXPECT_EQ(GameSession.cursor->y, 9);
        EXPECT_EQ(Position.HumanColor, Black);
        EXPECT_EQ(Position.MachineColor, White);
        EXPECT_TRUE(HasCursorFrame(9, 9));
        EXPECT_EQ(ClientPixel(2, 2), PixelOf(BoardColour));
        kernel_objects::HoldThreads(false);
    });
    Then([&] {
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        EXPECT_EQ(GameSession.workerThread, nullptr);
        EXPECT_EQ(StoneCount(Black) + StoneCount(White), 0);
        EXPECT_EQ(Position.GameActive, 1);
        EXPECT_EQ(Position.HumanColor, Black);
        EXPECT_TRUE(HasCursorFrame(9, 9));
    });
    Keys({LeftSoftKey});  // Exit
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_EQ(MainWindow(), nullptr);
    EXPECT_EQ(GameSession.view, nullptr);
    EXPECT_EQ(GameSession.cursor, nullptr);
}

struct WrapCase {
    const char* name;
    unsigned key;
    int fromX, fromY;
    int toX, toY;
};

void PrintTo(const WrapCase& c, std::ostream* os) {
    *os << c.name << " from (" << c.fromX << ", " << c.fromY << ")";
}

class CursorWrap : public AppTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(CursorWrap, WrapsToTheOppositeEdgeAndMovesTheFrame) {
    const WrapCase& c = GetParam();
    MoveCursorTo(c.fromX, c.fromY);
    Then([&] { EXPECT_TRUE(HasCursorFrame(c.fromX, c.fromY)); });
    Keys({c.key});
    Then([&] {
        EXPECT_EQ(GameSession.cursor->x, c.toX);
        EXPECT_EQ(GameSession.cursor->y, c.toY);
        EXPECT_TRUE(HasCursorFrame(c.toX, c.toY));
        EXPECT_FALSE(HasCursorFrame(c.fromX, c.fromY));
    });
    Keys({LeftSoftKey});
    RunProgram();
}

INSTANTIATE_TEST_SUITE_P(AllEdges, CursorWrap,
                         ::testing::Values(WrapCase{"Left", VK_LEFT, 0, 4, 18, 4},
                                           WrapCase{"Right", VK_RIGHT, 18, 7, 0, 7},
                                           WrapCase{"Up", VK_UP, 3, 0, 3, 18},
                                           WrapCase{"Down", VK_DOWN, 11, 18, 11, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppTest, HeldDirectionKeyRepeatsAndOtherKeysAreIgnored) {
    Then([] {
        // A held key's repeats arrive as further key-downs.
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(SendMessageW(MainWindow(), WM_KEYDOWN, VK_RIGHT, 0), 1);
        }
        EXPECT_EQ(SendMessageW(MainWindow(), WM_KEYDOWN, 'A', 0), 0);
        EXPECT_EQ(GameSession.cursor->x, 12);
        EXPECT_EQ(GameSession.cursor->y, 9);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, BackOnTheBoardSendsTheGameToTheBackground) {
    Keys({BackKey});
    Then([this] {
        EXPECT_TRUE(script->Minimised());
        EXPECT_NE(MainWindow(), nullptr);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

}  // namespace
}  // namespace app_test
