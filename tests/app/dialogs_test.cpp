// New Game, Help and About, opened from the Menu.
#include <cstring>

#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/raster/bmp_decode.h"
#include "resources/resource_ids.h"
#include "tests/app/app_test.h"
#include "tests/platform/core/core_test_support.h"

namespace app_test {
namespace {

using core_test::PixelOf;

LRESULT SelectedSide() {
    return SendDlgItemMessageW(ActiveWindow(), IDC_SIDE_LIST, LB_GETCURSEL, 0, 0);
}

TEST_F(AppTest, NewGameAsWhiteStartsWithTheMachinesBlackStone) {
    Keys({ActionKey});  // a game in progress
    ChooseFromMenu(NewGameItem);
    Then([] {
        EXPECT_NE(ActiveWindow(), MainWindow());
        EXPECT_EQ(SelectedSide(), 0);
    });
    Keys({VK_RIGHT});
    Then([] { EXPECT_EQ(SelectedSide(), 1); });
    Keys({LeftSoftKey});  // Done
    Then([] {
        EXPECT_EQ(ActiveWindow(), MainWindow());
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        EXPECT_EQ(Position.HumanColor, White);
        EXPECT_EQ(Position.MachineColor, Black);
        EXPECT_EQ(StoneCount(Black), 1);
        EXPECT_EQ(StoneCount(White), 0);
    });
    // After a game as White the dialog still offers Black first; Done with it plays Black.
    ChooseFromMenu(NewGameItem);
    Then([] { EXPECT_EQ(SelectedSide(), 0); });
    Keys({LeftSoftKey});
    Then([] {
        EXPECT_EQ(Position.HumanColor, Black);
        EXPECT_EQ(StoneCount(Black) + StoneCount(White), 0);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

// The middle of the left or right half of the side spinner's arrows, on the screen.
std::pair<int, int> SpinnerArrow(bool right) {
    for (HWND child : windows::Find(ActiveWindow())->children) {
        if (windows::Find(child)->controlId == IDC_SIDE_SPIN) {
            const raster::Rect arrows = windows::ScreenClientRect(child);
            const int quarter = arrows.Width() / 4;
            return {right ? arrows.right - 1 - quarter : arrows.left + quarter,
                    (arrows.top + arrows.bottom) / 2};
        }
    }
    ADD_FAILURE() << "no side spinner";
    return {0, 0};
}

TEST_F(AppTest, ClicksOnTheSpinnersArrowsStepTheSideAsLeftAndRightDo) {
    ChooseFromMenu(NewGameItem);
    for (const auto& [right, side] : {std::pair(true, 1), {true, 0}, {false, 1}, {false, 0}}) {
        script->Click([right] { return SpinnerArrow(right); });
        Then([side] { EXPECT_EQ(SelectedSide(), side); });
    }
    script->Click([] { return SpinnerArrow(false); });
    Keys({LeftSoftKey});  // Done, as White
    Then([] {
        EXPECT_EQ(ActiveWindow(), MainWindow());
        EXPECT_EQ(Position.HumanColor, White);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

TEST_F(AppTest, NewGameCancelledChangesNothingButRepaintsEverything) {
    std::uint8_t boardBefore[PointCount];
    raster::Framebuffer frameBefore(1, 1);
    Keys({ActionKey});
    Then([] {
        // A full paint first: the paints at the end of a step may differ from one in details.
        GameSession.partialRepaint = 0;
        InvalidateRect(MainWindow(), nullptr, TRUE);
    });
    Then([&] {
        std::memcpy(boardBefore, Position.Board, sizeof boardBefore);
        frameBefore = screen::Frame();
    });
    ChooseFromMenu(NewGameItem);
    Keys({VK_RIGHT, RightSoftKey});  // White picked, then Cancel
    Then([&] {
        EXPECT_EQ(ActiveWindow(), MainWindow());
        EXPECT_EQ(std::memcmp(boardBefore, Position.Board, sizeof boardBefore), 0);
        EXPECT_EQ(Position.HumanColor, Black);
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        EXPECT_EQ(GameSession.partialRepaint, 0);
        // The full repaint over the closed dialog restores exactly the board as it was.
        EXPECT_TRUE(screen::Frame() == frameBefore);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

// The client area's rows as they are now.
std::vector<std::vector<raster::Pixel>> ClientRows() {
    std::vector<std::vector<raster::Pixel>> rows(screen::ClientArea.Height());
    for (int y = 0; y < screen::ClientArea.Height(); ++y) {
        for (int x = 0; x < screen::Width; ++x) {
            rows[y].push_back(core_test::ClientPixel(x, y));
        }
    }
    return rows;
}

bool IsBlank(const std::vector<raster::Pixel>& row) {
    for (raster::Pixel p : row) {
        if (p != PixelOf(RGB(255, 255, 255))) {
            return false;
        }
    }
    return true;
}

TEST_F(AppTest, HelpScrollsWithTheKeysAndClosesWithBack) {
    std::vector<std::vector<raster::Pixel>> top;
    ChooseFromMenu(HelpItem);
    Then([&] {
        ASSERT_NE(ActiveWindow(), MainWindow());
        EXPECT_EQ(windows::Find(ActiveWindow())->scrollPos, 0);
        // The phone's title bar says "Help"; the desktop (and its taskbar) keeps the program's.
        EXPECT_EQ(script->Title(), "Talvex Go 1.01");
        top = ClientRows();
        int firstInked = 0;
        while (firstInked < static_cast<int>(top.size()) && IsBlank(top[firstInked])) {
            ++firstInked;
        }
        EXPECT_LT(firstInked, 6) << "the text starts at the top";
    });
    Keys({VK_DOWN, VK_DOWN});
    Then([&] {
        const int scrolled = windows::Find(ActiveWindow())->scrollPos;
        ASSERT_GT(scrolled, 0);
        // Everything has moved up by exactly the scroll position.
        const auto now = ClientRows();
        for (int y = 0; y + scrolled < static_cast<int>(now.size()); ++y) {
            EXPECT_TRUE(now[y] == top[y + scrolled]) << "row " << y;
        }
    });
    Keys({BackKey});
    Then([] { EXPECT_EQ(ActiveWindow(), MainWindow()); });
    Keys({LeftSoftKey});
    RunProgram();
}

class WheelTest : public AppTest, public ::testing::WithParamInterface<unsigned> {};

// A notch scrolls as far as a key does, the picture follows, and the wheel stops at the top.
TEST_P(WheelTest, TheWheelScrollsAsUpAndDownDo) {
    std::vector<std::vector<raster::Pixel>> top;
    int notch = 0;
    ChooseFromMenu(GetParam());
    Then([&] { top = ClientRows(); });
    script->Wheel(-1);
    Then([&] { notch = windows::Find(ActiveWindow())->scrollPos; });
    Keys({VK_DOWN});
    script->Wheel(-1);
    Then([&] {
        const int scrolled = windows::Find(ActiveWindow())->scrollPos;
        ASSERT_GT(notch, 0);
        EXPECT_EQ(scrolled, 3 * notch);
        const auto now = ClientRows();
        for (int y = 0; y + scrolled < static_cast<int>(now.size()); ++y) {
            EXPECT_TRUE(now[y] == top[y + scrolled]) << "row " << y;
        }
    });
    script->Wheel(5);
    Then([&] {
        EXPECT_EQ(windows::Find(ActiveWindow())->scrollPos, 0);
        EXPECT_TRUE(ClientRows() == top);
    });
    Keys({LeftSoftKey, LeftSoftKey});  // Done, then Exit
    RunProgram();
}

INSTANTIATE_TEST_SUITE_P(HelpAndAbout, WheelTest, ::testing::Values(HelpItem, AboutItem),
                         [](const auto& info) {
                             return std::string(info.param == HelpItem ? "Help" : "About");
                         });

TEST_F(AppTest, AboutShowsTheLogoCentredWithTheTextTwoPixelsUnderIt) {
    ChooseFromMenu(AboutItem);
    Then([] {
        ASSERT_NE(ActiveWindow(), MainWindow());
        HRSRC found =
            FindResourceW(GameSession.instance, MAKEINTRESOURCEW(IDB_ABOUT_LOGO), RT_BITMAP);
        ASSERT_NE(found, nullptr);
        const auto* bytes = static_cast<const std::uint8_t*>(
            LockResource(LoadResource(GameSession.instance, found)));
        const auto logo =
            raster::DecodeBmp(std::span(bytes, SizeofResource(GameSession.instance, found)));
        ASSERT_TRUE(logo.has_value());
        ASSERT_EQ(logo->Width(), 102);
        ASSERT_EQ(logo->Height(), 126);
        const int left = (screen::Width - logo->Width()) / 2;  // 37
        for (int y = 0; y < logo->Height(); ++y) {
            for (int x = 0; x < logo->Width(); ++x) {
                ASSERT_EQ(core_test::ClientPixel(left + x, y), logo->At(x, y))
                    << "logo pixel (" << x << ", " << y << ")";
            }
        }
        const auto rows = ClientRows();
        EXPECT_TRUE(IsBlank(rows[logo->Height()]));
        EXPECT_TRUE(IsBlank(rows[logo->Height() + 1]));
        bool inked = false;
        for (int y = logo->Height() + 2; y < logo->Height() + 6; ++y) {
            inked = inked || !IsBlank(rows[y]);
        }
        EXPECT_TRUE(inked) << "the first line of text starts two pixels under the logo";
    });
    Keys({LeftSoftKey});  // Done
    Then([] { EXPECT_EQ(ActiveWindow(), MainWindow()); });
    Keys({LeftSoftKey});
    RunProgram();
}

}  // namespace
}  // namespace app_test
