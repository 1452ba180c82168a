#include <cstring>

#include "rules/legality.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

namespace {

using ::PrintTo;

struct ForbiddenCase {
    const char* name;
    Diagram rows;
    int x, y, humanKoX, humanKoY, humanColor, forbidden;
};

class ForbiddenMoveTest : public ::testing::TestWithParam<ForbiddenCase> {};

TEST_P(ForbiddenMoveTest, JudgesTheMoveAndLeavesTheBoardAsItWas) {
    const ForbiddenCase& c = GetParam();
    ResetGame(c.humanColor);
    SetDiagram(c.rows);
    Position.HumanKoX = c.humanKoX;
    Position.HumanKoY = c.humanKoY;
    std::uint8_t before[PointCount];
    std::memcpy(before, Position.Board, sizeof before);
    EXPECT_EQ(IsForbiddenMove(c.x, c.y), c.forbidden) << BoardDiagram();
    EXPECT_EQ(std::memcmp(before, Position.Board, sizeof before), 0) << BoardDiagram();
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ForbiddenMoveTest,
    ::testing::Values(
        ForbiddenCase{"SuicideInTheCorner", {".O", "O."}, 0, 0, -1, -1, Black, 1},
        ForbiddenCase{"FillingOwnLastLiberty", {".XO", "XXO", "OO."}, 0, 0, -1, -1, Black, 1},
        ForbiddenCase{"OwnLibertyAlwaysAllowed", {".OX", ".X."}, 0, 0, 0, 0, Black, 0},
        ForbiddenCase{"CapturesOneStone", {".OX", "OX."}, 0, 0, -1, -1, Black, 0},
        ForbiddenCase{"RetakesTheKo", {".OX", "OX."}, 0, 0, 0, 0, Black, 1},
        // Two stones are taken, so the ko does not apply.
        ForbiddenCase{"KoPointTakesTwoStones", {".OOX", "OXX."}, 0, 0, 0, 0, Black, 0}),
    CaseName());

struct RemovalCase {
    const char* name;
    Diagram before;
    int colorIsHuman;
    Diagram after;
    int machinePrisoners, humanPrisoners;
    Point machineKo, humanKo;
};

using RemovalTest = CaseTest<RemovalCase>;

TEST_P(RemovalTest, TakesDeadStonesOfOneColourAndKeepsTheTally) {
    const RemovalCase& c = GetParam();
    SetDiagram(c.before);
    // Left over from earlier in the game: counts grow, ko points are replaced.
    Position.CapturedMachineStones = 10;
    Position.CapturedHumanStones = 20;
    Position.MachineKoX = Position.MachineKoY = 7;
    Position.HumanKoX = Position.HumanKoY = 8;
    RemoveDeadStones(c.colorIsHuman ? Position.HumanColor : Position.MachineColor);
    const std::string removed = BoardDiagram();
    SetDiagram(c.after);
    EXPECT_EQ(removed, BoardDiagram());
    EXPECT_EQ(Position.CapturedMachineStones, 10 + c.machinePrisoners);
    EXPECT_EQ(Position.CapturedHumanStones, 20 + c.humanPrisoners);
    EXPECT_EQ(Point(Position.MachineKoX, Position.MachineKoY), c.machineKo);
    EXPECT_EQ(Point(Position.HumanKoX, Position.HumanKoY), c.humanKo);
}

// The human is Black (X), the machine White (O).
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Captures, RemovalTest,
    ::testing::Values(
        RemovalCase{"TwoStonesOfOneGroup", {"XOOX", ".XX."}, 0, {"X..X", ".XX."}, 2, 0, {-1, -1}, {8, 8}},
        RemovalCase{"NothingClearsTheKo", {"XO.", ".X."}, 0, {"XO.", ".X."}, 0, 0, {-1, -1}, {8, 8}},
        RemovalCase{"OnlyTheGivenColour", {"XO.", "OX.", "X.."}, 0, {"XO.", ".X.", "X.."}, 1, 0, {0, 1}, {8, 8}},
        RemovalCase{"HumanStoneSetsTheHumanKo", {"XO.", "OX.", "X.."}, 1, {".O.", "OX.", "X.."}, 0, 1, {7, 7}, {0, 0}}),
    CaseName());
// clang-format on

}  // namespace
