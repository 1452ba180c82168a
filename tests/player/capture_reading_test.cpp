#include "player/capture_reading.h"
#include "tests/support/player_test_support.h"

namespace {

using ::PrintTo;

struct CaptureCase {
    const char* name;
    Diagram board;
    int koX, koY;  // the machine's ko point
    Proposal expected;
};
using CaptureReading = CaseTest<CaptureCase>;

TEST_P(CaptureReading, ProposesTheBestAttack) {
    SetDiagram(GetParam().board);
    Position.MachineKoX = GetParam().koX;
    Position.MachineKoY = GetParam().koY;
    MapBothSides();
    const std::string before = BoardDiagram();
    EXPECT_EQ(Propose(FindCaptureMove), GetParam().expected);
    EXPECT_EQ(BoardDiagram(), before) << "a trial stone was left on the board";
}

// Black (2, 2) has liberties (3, 2) and (2, 3). White on (3, 2) keeps three liberties and leaves
// the escape on (2, 3) one; White on (2, 3) leaves the escape on (3, 2) three.
constexpr Diagram TwoLiberties = {"", "..O", ".OX", ".O", "..O"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Positions, CaptureReading,
    ::testing::Values(
        CaptureCase{"FillsTheLibertyThatLeavesTheEscapeOneLiberty", TwoLiberties, -1, -1, {3, 2, 100, 1}},
        CaptureCase{"KoLibertyLeavesTheListShort", TwoLiberties, 2, 3, Nothing},
        // White on either liberty of (0, 0) would be in atari while Black joins (1, 1) and
        // keeps three liberties: both pairs are worth nothing.
        CaptureCase{"SelfAtariAgainstAnEscapeIsWorthNothing", {"X", ".X"}, -1, -1, Nothing},
        // Black (3, 1) and (1, 4) are in atari; the scan runs down each column before the next,
        // so it meets the left one first.
        CaptureCase{"FirstAtariInScanOrderWins", {"...O", "..OXO", "", ".O", "OXO"}, -1, -1, {1, 5, 120, 1}}),
    CaseName());
// clang-format on

}  // namespace
