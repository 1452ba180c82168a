#include "player/rescue_reading.h"
#include "player/move_choice.h"
#include "tests/player/player_test_support.h"

namespace {

using ::PrintTo;

// A liberty beyond the group's own is worth 50 for a group in atari, an eighth of that with two
// liberties, a twenty-seventh with three; a point that gains none is worth nothing.
TEST(ExtensionValue, FavoursGroupsWithFewerLiberties) {
    for (int liberties = 1; liberties <= 3; ++liberties) {
        EXPECT_EQ(ExtensionValue(liberties, liberties), NoValue) << liberties;
        EXPECT_EQ(ExtensionValue(liberties + 1, liberties), 40) << liberties;
    }
    EXPECT_EQ(ExtensionValue(3, 1), 90);
    EXPECT_EQ(ExtensionValue(5, 2), 52);
    EXPECT_EQ(ExtensionValue(8, 3), 47);
}

struct RescueCase {
    const char* name;
    Diagram board;
    Proposal expected;
};
using RescueReading = CaseTest<RescueCase>;

TEST_P(RescueReading, ExtendsTheNeediestGroup) {
    SetDiagram(GetParam().board);
    MapBothSides();
    ExpectProposal(Propose(FindRescueMove), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, RescueReading,
    ::testing::Values(
        // White (1, 1) in atari would have three liberties on (1, 2).
        RescueCase{"AtariStoneExtendsToThreeLiberties", {".X", "XOX"}, {1, 2, 90, 1}},
        RescueCase{"ExtensionToOneLibertyIsNotProposed", {".X", "XOX", "X.X"}, Nothing},
        // White (1, 0) in atari can only fill (0, 0), which would join the column (0, 1)..(0, 3)
        // and gain liberties, but (0, 0) is the machine's own eye.
        RescueCase{"OwnEyeIsNeverFilled", {".OX", "OX", "O", "O"}, Nothing},
        // White (0, 0) with two liberties comes first in the scan and can reach three (40);
        // White (3, 3) in atari can reach two (also 40) and wins the tie.
        RescueCase{"AtariGroupWinsATie", {"O", "", "...X", "..XOX", "..X"}, {3, 4, 40, 1}}),
    CaseName());

}  // namespace
