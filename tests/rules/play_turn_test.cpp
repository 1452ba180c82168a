#include <cstring>
#include <string_view>
#include <tuple>

#include "rules/legality.h"
#include "rules/play_turn.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

namespace {

Point HumanKo() {
    return {Position.HumanKoX, Position.HumanKoY};
}

// Plays the human's stone as the caller must: on an empty point that IsForbiddenMove allows.
// Returns the machine's reply.
Point HumanStone(int x, int y) {
    EXPECT_EQ(StoneAt(x, y), Empty);
    EXPECT_EQ(IsForbiddenMove(x, y), 0);
    PlayTurn(&x, &y, 0);
    return {x, y};
}

// Passes for the human. Returns the column of the machine's reply, -1 when it passed too.
int HumanPass() {
    int x = -1;
    int y = -1;
    PlayTurn(&x, &y, 1);
    return x;
}

// Every empty point is a one-point eye, so the machine has nothing to play and passes: human
// (X) eyes on the left, machine (O) eyes on the right. Row 9 holds a ko: the machine stone at
// (8, 9) to take from (9, 9), or the human stone at (9, 9) in atari. The machine ring on the
// left edge cannot fill its two liberties (1, 5) and (1, 6).
constexpr std::string_view Full = "XXXXXXXXXOOOOOOOOOO";
constexpr std::string_view Eyes = "X.X.X.XXXOO.O.O.O.O";

void SetSealedBoard(std::string_view koRow = "X.X.X.XXO.O.O.O.O.O") {
    SetBoard({Full, Eyes, Full, "XXX.X.XXXOO.O.O.O.O", "OOOXXXXXXOOOOOOOOOO", "O.OXX.XXXOO.O.O.O.O",
              "O.OXXXXXXOOOOOOOOOO", "OOOXX.XXXOO.O.O.O.O", Full, koRow, Full, Eyes, Full, Eyes,
              Full, Eyes, Full, Eyes, Full});
}

using PlayTurnTest = EngineTest;

class GameEndTest : public EngineTest,
                    public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(GameEndTest, SecondMachinePassInARowEndsTheGame) {
    const auto [stoneFirst, stoneSecond] = GetParam();
    SetSealedBoard();
    EXPECT_EQ(stoneFirst ? HumanStone(1, 1).first : HumanPass(), -1);
    EXPECT_EQ(Position.MachinePasses, 1);
    EXPECT_EQ(Position.GameActive, 1);
    EXPECT_EQ(stoneSecond ? HumanStone(3, 1).first : HumanPass(), -1);
    ASSERT_EQ(Position.GameActive, 0);

    // After the end neither a stone nor a pass changes anything.
    unsigned char before[sizeof Position];
    std::memcpy(before, &Position, sizeof Position);
    int x = 5;
    int y = 1;
    PlayTurn(&x, &y, 0);
    PlayTurn(&x, &y, 1);
    EXPECT_EQ(Point(x, y), Point(5, 1));
    EXPECT_EQ(std::memcmp(before, &Position, sizeof Position), 0) << BoardDiagram();
}

INSTANTIATE_TEST_SUITE_P(HumanStoneOrPass, GameEndTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST_F(PlayTurnTest, KoOutlivesMachinePasses) {
    SetSealedBoard("X.X.X.XX.XO.O.O.O.O");
    const auto koStands = [] { return HumanKo() == Point(9, 9) && IsForbiddenMove(9, 9) == 1; };
    EXPECT_EQ(HumanPass(), 8);
    EXPECT_EQ(StoneAt(9, 9), Empty);
    EXPECT_EQ(Position.CapturedHumanStones, 1);
    EXPECT_TRUE(koStands());
    EXPECT_EQ(HumanPass(), -1);
    EXPECT_TRUE(koStands());
    EXPECT_EQ(HumanStone(1, 1).first, -1);
    EXPECT_TRUE(koStands());
}

TEST_F(PlayTurnTest, MachineStoneElsewhereEndsTheKo) {
    SetBoard({"X.X.", "OXX.", "OO.."});
    ASSERT_EQ(HumanPass(), 1);
    ASSERT_EQ(HumanKo(), Point(0, 0));
    EXPECT_EQ(IsForbiddenMove(0, 0), 1);
    const Point elsewhere = HumanStone(15, 15);
    ASSERT_GE(elsewhere.first, 0);
    ASSERT_EQ(Position.CapturedHumanStones, 1) << BoardDiagram();
    EXPECT_EQ(HumanKo(), Point(-1, -1));
    EXPECT_EQ(IsForbiddenMove(0, 0), 0) << BoardDiagram();
}

}  // namespace
