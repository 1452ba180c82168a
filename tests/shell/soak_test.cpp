// Random keys through the whole program, with the game's invariants checked whenever it has
// settled. Sanitizer builds run it too: that is where races and memory faults show.
#include <random>
#include <vector>

#include "platform/resource_module.h"
#include "shell/board_cursor.h"
#include "shell/program_entry.h"
#include "tests/support/core_test_support.h"
#include "tests/support/shell_fixture.h"
#include "view/board_view.h"

namespace shell_test {
namespace {

// 20,000 keys in all, in shards that the test runner can run side by side.
constexpr int ShardCount = 4;
constexpr int KeysPerShard = 5000;

void CheckInvariants() {
    const int status = CurrentStatus();
    ASSERT_EQ(GameSession.workerThread, nullptr);
    ASSERT_GE(status, StatusYourMove) << "a finished step leaves no step's first text";
    ASSERT_LT(status, StatusTextCount);
    ASSERT_EQ(Position.GameActive == 0, status == StatusGameFinished);
    ASSERT_EQ(StoneWithoutLiberty(), -1);
    ASSERT_TRUE(IsOnBoard(GameSession.cursor->x, GameSession.cursor->y));
    if (windows::Active() != MainWindow()) {
        return;
    }
    // The board as painted agrees with the Board, inside each point off the lines and frame.
    for (int i = 0; i < PointCount; ++i) {
        const RECT r = GameSession.view->PointRect(i / BoardSize, i % BoardSize);
        const COLORREF expected = Position.Board[i] == Black   ? RGB(0, 0, 0)
                                  : Position.Board[i] == White ? RGB(255, 255, 255)
                                                               : RGB(250, 220, 173);
        ASSERT_EQ(core_test::ClientPixel(r.left + 2, r.top + 2), core_test::PixelOf(expected))
            << "point " << i;
    }
}

class Soak : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(Soak, RandomKeysKeepTheGameSound) {
    // Mostly moves and stones, with the menu, its screens and Exit now and then.
    const std::vector<std::pair<unsigned, int>> weighted = {
        {VK_LEFT, 10},    {VK_RIGHT, 10},    {VK_UP, 10},      {VK_DOWN, 10},
        {ActionKey, 24},  {RightSoftKey, 8}, {LeftSoftKey, 3}, {BackKey, 4},
        {NewGameItem, 2}, {PassItem, 4},     {HelpItem, 2},    {AboutItem, 2},
    };
    std::vector<unsigned> bag;
    for (const auto& [key, weight] : weighted) {
        bag.insert(bag.end(), weight, key);
    }
    std::mt19937 random(20261206 + GetParam());
    for (int i = 0; i < KeysPerShard; ++i) {
        const unsigned key = bag[random() % bag.size()];
        script->Key(key);
        // Checked only where the game can be seen: the soft keys may leave it for a screen.
        Then([] {
            if (MainWindow() != nullptr && GameSession.view != nullptr) {
                CheckInvariants();
            }
        });
    }
    // Out of any screen or popup, then Exit.
    Keys({BackKey, BackKey, LeftSoftKey});
    wchar_t commandLine[] = L"";
    while (script->Pending() > 0 && !HasFatalFailure()) {
        ASSERT_EQ(WinMain(&ProgramResources, nullptr, commandLine, SW_SHOW), 0);
        if (script->Pending() > 0) {
            ForgetEarlierRun();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, Soak, ::testing::Range(0, ShardCount));

}  // namespace
}  // namespace shell_test
