// The desktop's own input on the board: clicks, the Menu popup by the pointer, the keypad.
#include <cstring>

#include "platform/core/menu_bar.h"
#include "shell/board_cursor.h"
#include "tests/app/app_test.h"

namespace app_test {
namespace {

std::pair<int, int> Cursor() {
    return {GameSession.cursor->x, GameSession.cursor->y};
}

// The middle of a rectangle of the screen.
std::pair<int, int> Middle(const raster::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(AppTest, ClickOnABoardPointMovesTheCursorThereAndActsAsTheActionKey) {
    std::uint8_t boardBefore[PointCount];
    ClickOnPoint(3, 16);
    Then([&] {
        EXPECT_EQ(Cursor(), std::pair(3, 16));
        EXPECT_EQ(StoneAt(3, 16), Black);
        EXPECT_EQ(StoneCount(White), 1);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        std::memcpy(boardBefore, Position.Board, sizeof boardBefore);
    });
    ClickOnPoint(3, 16);  // on the stone: refused as the key refuses it
    Then([&] {
        EXPECT_EQ(CurrentStatus(), StatusIllegalMove);
        EXPECT_EQ(std::memcmp(boardBefore, Position.Board, sizeof boardBefore), 0);
    });
    // Off the board (right of it, the text rows, the title bar) a click does nothing at all.
    for (const auto& at : {std::pair(170, 60), std::pair(40, 195), std::pair(40, 5)}) {
        script->Click([at] { return at; });
    }
    Then([&] {
        EXPECT_EQ(Cursor(), std::pair(3, 16));
        EXPECT_EQ(CurrentStatus(), StatusIllegalMove);
        EXPECT_EQ(GameSession.workerThread, nullptr);
        // After the end of the game a click only moves the cursor, as the keys would.
        Position.GameActive = 0;
    });
    ClickOnPoint(18, 0);
    Then([&] {
        EXPECT_EQ(Cursor(), std::pair(18, 0));
        EXPECT_EQ(StoneAt(18, 0), Empty);
        EXPECT_EQ(CurrentStatus(), StatusIllegalMove);
    });
    Keys({LeftSoftKey});
    RunProgram();
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
    // Pass, the second item: the computer answers the pass.
    Keys({RightSoftKey});
    script->Click([] { return Middle(menu_bar::PopupRow(1)); });
    Then([] {
        EXPECT_FALSE(menu_bar::Popup().open);
        EXPECT_EQ(StoneCount(Black), 0);
        EXPECT_EQ(StoneCount(White), 1);
        EXPECT_EQ(ActiveWindow(), MainWindow());
    });
    // About, the fourth: its dialog opens.
    Keys({RightSoftKey});
    script->Click([] { return Middle(menu_bar::PopupRow(3)); });
    Then([] { EXPECT_EQ(windows::Find(ActiveWindow())->title, L"About"); });
    Keys({LeftSoftKey, LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, KeypadArrowsMoveAndItsFivePlaysOnlyWithNumLockOff) {
    for (int key : {SDLK_KP_6, SDLK_KP_6, SDLK_KP_2, SDLK_KP_4, SDLK_KP_2, SDLK_KP_8}) {
        script->KeypadKey(key, false);
    }
    Then([] { EXPECT_EQ(Cursor(), std::pair(10, 10)); });
    // With NumLock on they are the phone's digits, which the board does not use.
    for (int key : {SDLK_KP_6, SDLK_KP_2, SDLK_KP_5}) {
        script->KeypadKey(key, true);
    }
    Then([] {
        EXPECT_EQ(Cursor(), std::pair(10, 10));
        EXPECT_EQ(StoneCount(Black), 0);
    });
    script->KeypadKey(SDLK_KP_5, false);
    Then([] {
        EXPECT_EQ(StoneAt(10, 10), Black);
        EXPECT_EQ(StoneCount(White), 1);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

}  // namespace
}  // namespace app_test
