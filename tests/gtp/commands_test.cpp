// Each command's success and error replies on a fresh session.
#include <string>
#include <utility>

#include "gtp/commands.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"
#include "tests/support/gtp_test_support.h"

namespace {

using ReplyCase = std::pair<const char*, const char*>;  // a command line, its reply
class ReplyTest : public GtpTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ReplyTest, OnAFreshGame) {
    EXPECT_EQ(Ask(GetParam().first), GetParam().second);
}

// One row for each reply a command can give: its success, and each way its arguments are wrong.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Commands, ReplyTest,
    ::testing::Values(
        ReplyCase{"protocol_version", "= 2"}, ReplyCase{"version 2", "? syntax error"},
        ReplyCase{"known_command resign", "= false"}, ReplyCase{"known_command", "? syntax error"},
        ReplyCase{"boardsize 99999999999", "? unacceptable size"},
        ReplyCase{"boardsize nine", "? syntax error"}, ReplyCase{"clear_board now", "? syntax error"},
        ReplyCase{"komi +0.5", "="}, ReplyCase{"komi six", "? syntax error"},
        ReplyCase{"komi nan", "? syntax error"}, ReplyCase{"komi 1e999", "? syntax error"},
        ReplyCase{"komi +-1", "? syntax error"}, ReplyCase{"komi 0x10", "? syntax error"},
        ReplyCase{"komi", "? syntax error"}, ReplyCase{"play WHITE q16", "="},
        ReplyCase{"play Black q16", "="}, ReplyCase{"play bl q16", "? syntax error"},
        ReplyCase{"play b", "? syntax error"}, ReplyCase{"fixed_handicap +2", "? syntax error"},
        ReplyCase{"play red D4", "? syntax error"}, ReplyCase{"play b A20", "? syntax error"},
        ReplyCase{"play b D4 D5", "? syntax error"}, ReplyCase{"genmove x", "? syntax error"},
        ReplyCase{"reg_genmove", "? syntax error"}, ReplyCase{"undo 1", "? syntax error"},
        ReplyCase{"showboard x", "? syntax error"},
        ReplyCase{"time_settings 300 30 5", "="}, ReplyCase{"time_settings 300 30", "? syntax error"},
        ReplyCase{"time_left b 120 0", "="}, ReplyCase{"time_left w -1 0", "? syntax error"},
        ReplyCase{"fixed_handicap 1", "? invalid number of stones"},
        ReplyCase{"fixed_handicap 10", "? invalid number of stones"},
        ReplyCase{"place_free_handicap 361", "? invalid number of stones"},
        ReplyCase{"set_free_handicap A1", "? invalid number of stones"},
        ReplyCase{"set_free_handicap A1 a1", "? bad vertex list"},
        ReplyCase{"set_free_handicap A1 pass", "? bad vertex list"},
        ReplyCase{"resign", "? unknown command"}));
// clang-format on

TEST_F(GtpTest, ListCommandsNamesEveryKnownCommand) {
    std::string expected = "=";
    for (std::string_view name : CommandNames()) {
        EXPECT_EQ(Ask("known_command " + std::string(name)), "= true");
        expected += (expected == "=" ? " " : "\n") + std::string(name);
    }
    EXPECT_EQ(Ask("list_commands"), expected);
}

TEST_F(GtpTest, ClearBoardAndBoardsizeStartAgainButKeepKomi) {
    for (const char* restart : {"clear_board", "boardsize 19"}) {
        EXPECT_EQ(Ask("komi 0.5"), "=");
        EXPECT_EQ(Ask("play w D4"), "=");
        EXPECT_EQ(Ask("genmove w"), "= C17");
        EXPECT_EQ(Ask("boardsize 9"), "? unacceptable size");
        EXPECT_EQ(CountStones(White), 2);
        EXPECT_EQ(Ask(restart), "=");
        EXPECT_EQ(CountStones(Black) + CountStones(White), 0);
        EXPECT_EQ(Position.HumanColor, Black);
        EXPECT_EQ(Position.MachineColor, White);
        EXPECT_EQ(Position.CapturedHumanStones + Position.CapturedMachineStones, 0);
        EXPECT_EQ(Ask("undo"), "? cannot undo");
        EXPECT_EQ(Ask("final_score"), "= W+0.5");
    }
}

}  // namespace
