#include "player/rescue_reading.h"
#include "tests/support/player_test_support.h"

namespace {

using ::PrintTo;

struct RescueCase {
    const char* name;
    Diagram board;
    Proposal expected;
};
using RescueReading = CaseTest<RescueCase>;

TEST_P(RescueReading, ExtendsTheNeediestGroup) {
    SetDiagram(GetParam().board);
    MapBothSides();
    EXPECT_EQ(Propose(FindRescueMove), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, RescueReading,
    ::testing::Values(
        // White (1, 1) in atari would have three liberties on (1, 2).
        RescueCase{"AtariStoneExtendsToThreeLiberties", {".X", "XOX"}, {1, 2, 90, 1}},
        // White (0, 0) has two liberties, and either extension keeps two.
        RescueCase{"ExtensionThatGainsNothingIsNotProposed", {"O.X", "", "X"}, Nothing},
        // White (1, 0) in atari can only fill (0, 0), which would join the column (0, 1)..(0, 3)
        // and gain liberties, but (0, 0) is the machine's own eye.
        RescueCase{"OwnEyeIsNeverFilled", {".OX", "OX", "O", "O"}, Nothing},
        // White (0, 0) with two liberties comes first in the scan and can reach three (40);
        // White (3, 3) in atari can reach two (also 40) and wins the tie.
        RescueCase{"AtariGroupWinsATie", {"O", "", "...X", "..XOX", "..X"}, {3, 4, 40, 1}}),
    CaseName());

}  // namespace
