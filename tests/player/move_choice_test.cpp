#include <utility>

#include "player/capture_reading.h"
#include "player/move_choice.h"
#include "player/opening_play.h"
#include "player/rescue_reading.h"
#include "tests/player/player_test_support.h"

namespace {

using ::PrintTo;

// The point itself and its diagonal neighbours hold human stones, which must not matter.
struct EyeCase {
    const char* name;
    Diagram board;
    int x;
    int y;
    int expected;
};
using MachineEye = CaseTest<EyeCase>;

TEST_P(MachineEye, LooksOnlyAtTheNeighboursOnTheBoard) {
    SetDiagram(GetParam().board);
    EXPECT_EQ(IsMachineEye(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, MachineEye,
    ::testing::Values(EyeCase{"Corner", {"XO", "OX"}, 0, 0, 1},
                      EyeCase{
                          "FarCorner", {".................OX", "..................O"}, 18, 0, 1},
                      EyeCase{"Edge", {"", "", "OX", "XO", "OX"}, 0, 3, 1},
                      EyeCase{"Centre", {"", ".XOX", ".OXO", ".XOX"}, 2, 2, 1},
                      EyeCase{"CentreOneEmpty", {"", ".XOX", ".OX.", ".XOX"}, 2, 2, 0},
                      EyeCase{"CentreOneHuman", {"", ".XXX", ".OXO", ".XOX"}, 2, 2, 0}),
    CaseName());

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
        // Black (8, 2) has two liberties; White on (9, 2) leaves the escape on (8, 3) two, worth
        // 80 like the opening's corner point. White (8, 1) joining its neighbours on (7, 1)
        // goes from three liberties to eight, worth only 47.
        DriverCase{"CaptureBeforeOpening", {"", "........O", ".......OX", ".......O"}, false,
                   {9, 2, 80, 1}, {7, 1, 47, 1}, {9, 2}},
        // The same, and White (16, 1) in atari gains three liberties on (16, 2): 90.
        DriverCase{"RescueOfGreaterValue", {"...............XXX", "........O......XOX", ".......OX", ".......O"},
                   false, {9, 2, 80, 1}, {16, 2, 90, 1}, {16, 2}},
        // White (1, 1) has three liberties and gains one on (1, 2): 40. The lone Black (0, 0)
        // has two: White on (1, 0) leaves Black joining the wall through (0, 1) with four: 40.
        DriverCase{"CaptureBeforeRescue", {"X.XX", ".OXX", "X...", "X.XX"}, true,
                   {1, 0, 40, 1}, {1, 2, 40, 1}, {1, 0}}),
    CaseName());
// clang-format on

}  // namespace
