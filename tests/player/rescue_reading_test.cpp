#include "player/rescue_reading.h"
#include "tests/player/player_test_support.h"

namespace {

using ::PrintTo;

struct ExtensionRow {
    const char* name;
    int liberties;
    int values[5];  // for n = liberties + 1 .. liberties + 5
};

class ExtensionValueTable : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(ExtensionValueTable, FavoursGroupsWithFewerLiberties) {
    const ExtensionRow& row = GetParam();
    for (int n = 0; n <= row.liberties + 5; ++n) {
        const int expected = n <= row.liberties ? -1 : row.values[n - row.liberties - 1];
        EXPECT_EQ(ExtensionValue(n, row.liberties), expected) << "n = " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Liberties, ExtensionValueTable,
                         ::testing::Values(ExtensionRow{"OneLiberty", 1, {40, 90, 140, 190, 240}},
                                           ExtensionRow{"TwoLiberties", 2, {40, 46, 52, 58, 65}},
                                           ExtensionRow{"ThreeLiberties", 3, {40, 41, 43, 45, 47}}),
                         CaseName());

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
