#include <utility>

#include "player/capture_reading.h"
#include "player/move_choice.h"
#include "player/opening_play.h"
#include "player/rescue_reading.h"
#include "tests/support/player_test_support.h"

namespace {

using ::PrintTo;

struct DriverCase {
    const char* name;
    Diagram board;
    bool walled;  // Black fills all but the top-left 4 x 4 points and the opening is spent
    Proposal capture;
    Proposal rescue;
    std::pair<int, int> chosen;
};
using GeneratorOrder = CaseTest<DriverCase>;

TEST_P(GeneratorOrder, KeepsTheFirstOfTheBestProposals) {
    const DriverCase& c = GetParam();
    SetDiagram(c.board);
    if (c.walled) {
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = x < 4 ? 4 : 0; y < BoardSize; ++y) {
                SetStone(x, y, Black);
            }
        }
        ConsumeOpeningFlags();
        ASSERT_EQ(Propose(FindOpeningOrPatternMove).found, 0);
    }
    MapBothSides();
    ASSERT_EQ(Propose(FindCaptureMove), c.capture);
    ASSERT_EQ(Propose(FindRescueMove), c.rescue);
    Position.MachinePasses = 1;
    std::pair<int, int> chosen;
    ChooseMachineMove(&chosen.first, &chosen.second);
    EXPECT_EQ(chosen, c.chosen);
    EXPECT_EQ(Position.MachinePasses, 0);
    // The opening generator is asked whoever wins, and spends its first corner.
    EXPECT_EQ(Position.OpeningFlags[0], 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Ties, GeneratorOrder,
    ::testing::Values(
        // White on (9, 2) leaves Black (8, 2)'s escape two liberties: 80, as the opening's corner
        // point. White (8, 1) joining (7, 1)'s neighbours goes from three liberties to eight: 47.
        DriverCase{"CaptureBeforeOpening", {"", "........O", ".......OX", ".......O"}, false,
                   {9, 2, 80, 1}, {7, 1, 47, 1}, {9, 2}},
        // The same, and White (16, 1) in atari gains three liberties on (16, 2): 90.
        DriverCase{"RescueOfGreaterValue", {"...............XXX", "........O......XOX", ".......OX", ".......O"},
                   false, {9, 2, 80, 1}, {16, 2, 90, 1}, {16, 2}},
        // White (1, 1) gains a fourth liberty on (1, 2): 40. White on (1, 0) leaves Black (0, 0)
        // joining the wall through (0, 1) four: 40.
        DriverCase{"CaptureBeforeRescue", {"X.XX", ".OXX", "X...", "X.XX"}, true,
                   {1, 0, 40, 1}, {1, 2, 40, 1}, {1, 0}}),
    CaseName());
// clang-format on

}  // namespace
