// New Game, Help and About, opened from the Menu.
#include <algorithm>

#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/raster/bmp_decode.h"
#include "resources/resource_ids.h"
#include "tests/support/core_test_support.h"
#include "tests/support/shell_fixture.h"

namespace shell_test {
namespace {

LRESULT SelectedSide() {
    return SendDlgItemMessageW(windows::Active(), IDC_SIDE_LIST, LB_GETCURSEL, 0, 0);
}

// The middle of the left or right half of the side spinner's arrows, on the screen.
std::pair<int, int> SpinnerArrow(bool right) {
    for (HWND child : windows::Find(windows::Active())->children) {
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

TEST_F(ShellTest, NewGameAsWhiteStartsWithTheMachinesBlackStoneAndCancelChangesNothing) {
    Keys({ActionKey});  // a game in progress
    ChooseFromMenu(NewGameItem);
    // Clicks on the spinner's arrows step the side as Left and Right do, and wrap.
    for (const auto& [right, side] : {std::pair(true, 1), {false, 0}, {false, 1}}) {
        script->Click([right] { return SpinnerArrow(right); });
        Then([side] { EXPECT_EQ(SelectedSide(), side); });
    }
    Keys({LeftSoftKey});  // Done, as White
    Then([] {
        EXPECT_EQ(windows::Active(), MainWindow());
        EXPECT_EQ(CurrentStatus(), StatusYourMove);
        EXPECT_EQ(Position.HumanColor, White);
        EXPECT_EQ(CountStones(Black), 1);
        EXPECT_EQ(CountStones(White), 0);
    });
    ChooseFromMenu(NewGameItem);  // Black is offered first again; picked, then Cancel
    Then([] { EXPECT_EQ(SelectedSide(), 0); });
    Keys({RightSoftKey});
    Then([] {
        EXPECT_EQ(windows::Active(), MainWindow());
        EXPECT_EQ(Position.HumanColor, White);
        EXPECT_EQ(CountStones(Black) + CountStones(White), 1);
    });
    Keys({LeftSoftKey});
    RunProgram();
}

using Rows = std::vector<std::vector<raster::Pixel>>;

Rows ClientRows() {
    Rows rows(screen::ClientArea.Height());
    for (int y = 0; y < screen::ClientArea.Height(); ++y) {
        for (int x = 0; x < screen::Width; ++x) {
            rows[y].push_back(core_test::ClientPixel(x, y));
        }
    }
    return rows;
}

bool IsBlank(const std::vector<raster::Pixel>& row) {
    return std::ranges::all_of(
        row, [](raster::Pixel p) { return p == core_test::PixelOf(RGB(255, 255, 255)); });
}

int ScrollPos() {
    return windows::Find(windows::Active())->scrollPos;
}

// The logo centred at the top, the first line of text two pixels under it.
void ExpectAboutLogo(const Rows& rows) {
    const HINSTANCE m = GameSession.instance;
    HRSRC found = FindResourceW(m, MAKEINTRESOURCEW(IDB_ABOUT_LOGO), RT_BITMAP);
    const auto logo = raster::DecodeBmp(
        std::span(static_cast<const std::uint8_t*>(LockResource(LoadResource(m, found))),
                  SizeofResource(m, found)));
    ASSERT_EQ(logo->Height(), 126);
    const int left = (screen::Width - logo->Width()) / 2;
    for (int y = 0; y < logo->Height(); ++y) {
        for (int x = 0; x < logo->Width(); ++x) {
            ASSERT_EQ(rows[y][left + x], logo->At(x, y)) << x << ", " << y;
        }
    }
    EXPECT_TRUE(IsBlank(rows[126]) && IsBlank(rows[127]));
    EXPECT_FALSE(IsBlank(rows[128]) && IsBlank(rows[129]) && IsBlank(rows[130]));
}

class InfoScreen : public ShellTest, public ::testing::WithParamInterface<unsigned> {};

// Help and About scroll as far for a wheel notch as for a key, the picture follows exactly,
// the wheel stops at the top; Back closes Help, Done About.
TEST_P(InfoScreen, ScrollsWithKeysAndWheelAndCloses) {
    Rows top;
    int notch = 0;
    ChooseFromMenu(GetParam());
    Then([&] {
        ASSERT_NE(windows::Active(), MainWindow());
        // The phone's title bar names the screen; the desktop's keeps the program's name.
        EXPECT_EQ(script->Title(), "Talvex Go 1.01");
        top = ClientRows();
        EXPECT_FALSE(std::ranges::all_of(top.begin(), top.begin() + 6, IsBlank))
            << "the screen starts at the top";
        if (GetParam() == AboutItem) {
            ExpectAboutLogo(top);
        }
    });
    script->Wheel(-1);
    Then([&] { notch = ScrollPos(); });
    Keys({VK_DOWN});
    script->Wheel(-1);
    Then([&] {
        const int scrolled = ScrollPos();
        ASSERT_GT(notch, 0);
        EXPECT_EQ(scrolled, 3 * notch);
        const Rows now = ClientRows();
        for (int y = 0; y + scrolled < static_cast<int>(now.size()); ++y) {
            EXPECT_TRUE(now[y] == top[y + scrolled]) << "row " << y;
        }
    });
    script->Wheel(5);
    Then([&] {
        EXPECT_EQ(ScrollPos(), 0);
        EXPECT_TRUE(ClientRows() == top);
    });
    Keys({GetParam() == AboutItem ? LeftSoftKey : BackKey});
    Then([] { EXPECT_EQ(windows::Active(), MainWindow()); });
    Keys({LeftSoftKey});
    RunProgram();
}

INSTANTIATE_TEST_SUITE_P(HelpAndAbout, InfoScreen, ::testing::Values(HelpItem, AboutItem),
                         [](const auto& info) {
                             return std::string(info.param == HelpItem ? "Help" : "About");
                         });

}  // namespace
}  // namespace shell_test
