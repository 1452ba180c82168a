// final_score on small diagrams, the handicap commands and showboard's shape.
#include <sstream>
#include <string>
#include <vector>

#include "gtp/scoring.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"
#include "tests/support/gtp_test_support.h"

namespace {

using ::PrintTo;

struct ScoreCase {
    const char* name;
    Diagram diagram;
    const char* komi;
    int black;
    int white;
    const char* score;
};

class ScoreTest : public GtpTest, public ::testing::WithParamInterface<ScoreCase> {};

TEST_P(ScoreTest, AreaWithKomiToWhite) {
    const ScoreCase& c = GetParam();
    SetDiagram(c.diagram);
    const AreaCount count = CountArea();
    EXPECT_EQ(count.black, c.black);
    EXPECT_EQ(count.white, c.white);
    EXPECT_EQ(Ask(std::string("komi ") + c.komi), "=");
    EXPECT_EQ(Ask("final_score"), std::string("= ") + c.score);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Diagrams, ScoreTest,
    ::testing::Values(
        ScoreCase{"OneStoneOwnsAll", {"X"}, "7", 361, 0, "B+354"},
        ScoreCase{"TwoColoursShareTheRest", {"X", "", "", "", "", "", "", "", "..O"}, "0", 1, 1, "0"},
        ScoreCase{"WalledCorner", {"..X", "XXX", "", "", "", "", "", "", "O"}, "0.5", 6, 1, "B+4.5"},
        ScoreCase{"NegativeKomi", {"O"}, "-0.5", 0, 361, "W+360.5"}),
    CaseName());
// clang-format on

struct HandicapCase {
    const char* name;
    std::string command;
    std::string points;
};

class HandicapTest : public GtpTest, public ::testing::WithParamInterface<HandicapCase> {};

TEST_P(HandicapTest, BlackStonesOnAnEmptyBoardOnly) {
    const HandicapCase& c = GetParam();
    EXPECT_EQ(Ask("play b pass"), "=");
    EXPECT_EQ(Ask(c.command), "= " + c.points);
    std::istringstream words(c.points);
    int count = 0;
    for (std::string word; words >> word; ++count) {
        EXPECT_EQ(Ask("play w " + word), "? illegal move") << word;
    }
    EXPECT_EQ(CountStones(Black), count);
    EXPECT_EQ(CountStones(White), 0);
    // The handicap is part of the set-up: nothing to undo, and no second handicap.
    EXPECT_EQ(Ask("undo"), "? cannot undo");
    EXPECT_EQ(Ask(c.command), "? board not empty");
    EXPECT_EQ(Ask("play w K11"), "=");
    EXPECT_EQ(Ask("undo"), "=");
    EXPECT_EQ(CountStones(Black), count);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HandicapTest,
    ::testing::Values(HandicapCase{"Fixed8", "fixed_handicap 8", "D4 Q16 D16 Q4 D10 Q10 K4 K16"},
                      HandicapCase{"Fixed9", "fixed_handicap 9",
                                   "D4 Q16 D16 Q4 D10 Q10 K4 K16 K10"},
                      HandicapCase{"Free30IsCappedAt17", "place_free_handicap 30",
                                   "C17 C3 D16 D10 D4 G13 G7 K16 K10 K4 N13 N7 Q16 Q10 Q4 R17 R3"},
                      HandicapCase{"Set", "set_free_handicap a1 T19 k10", "A1 T19 K10"}),
    CaseName());

TEST_F(GtpTest, ShowboardDrawsTheBoardWithoutEmptyLines) {
    // Black takes White's T19, so that the two prisoner lines differ.
    for (const char* move : {"play b D4", "play w Q16", "play b A1", "play w T19", "play b S19",
                             "play w Q4", "play b T18"}) {
        ASSERT_EQ(Ask(move), "=");
    }
    const std::string board = Ask("showboard");
    std::vector<std::string> lines;
    std::istringstream text(board);
    for (std::string line; std::getline(text, line);) {
        EXPECT_FALSE(line.empty());
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "=");
    const std::string letters = "   A B C D E F G H J K L M N O P Q R S T";
    EXPECT_EQ(lines[1], letters);
    EXPECT_EQ(lines[21], letters);
    EXPECT_EQ(lines[2], "19 . . . . . . . . . . . . . . . . . X . 19");
    EXPECT_EQ(lines[5], "16 . . . + . . . . . + . . . . . O . . . 16");
    EXPECT_EQ(lines[17], " 4 . . . X . . . . . + . . . . . O . . .  4");
    EXPECT_EQ(lines[20], " 1 X . . . . . . . . . . . . . . . . . .  1");
    EXPECT_EQ(lines[22], "Black (X) has captured 1 stones");
    EXPECT_EQ(lines[23], "White (O) has captured 0 stones");
}

}  // namespace
