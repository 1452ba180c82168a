// The protocol's framing through the real loop: ids, reply ends, comments, blank lines, quit.
#include <sstream>
#include <string>

#include "gtp/commands.h"
#include "gtp/engine_loop.h"
#include "tests/gtp/gtp_test_support.h"
#include "tests/support/engine_test.h"

namespace {

using ::PrintTo;
using FramingTest = GtpTest;

struct ScriptCase {
    const char* name;
    std::string script;
    std::string output;
};

class ScriptTest : public GtpTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(ScriptTest, Answers) {
    EXPECT_EQ(RunScript(session, GetParam().script), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Framing, ScriptTest,
    ::testing::Values(ScriptCase{"IdEchoed", "7 name\n", "=7 Talvex Go\n\n"},
                      ScriptCase{"IdOnError", "42 frobnicate\n", "?42 unknown command\n\n"},
                      ScriptCase{"EmptyResult", "3 clear_board\nclear_board\n", "=3\n\n=\n\n"},
                      ScriptCase{"IdAlone", "12\n", "?12 syntax error\n\n"},
                      ScriptCase{"BlankAndComments", "\n   \n# name\n\t\n#\n", ""},
                      ScriptCase{"ControlCharacters", "na\x01me\x7f\r\n", "= Talvex Go\n\n"},
                      ScriptCase{"NamesAreCaseSensitive", "NAME\n", "? unknown command\n\n"},
                      ScriptCase{"LastLineWithoutNewline", "1 version", "=1 1.01\n\n"},
                      ScriptCase{"QuitAnswersThenStops", "1 quit\nname\n", "=1\n\n"},
                      ScriptCase{"LineTooLong",
                                 "9 name " + std::string(MaxCommandLength, 'x') + "\nversion\n",
                                 "?9 line too long\n\n= 1.01\n\n"}),
    CaseName());

TEST_F(FramingTest, LoopTellsHowItEnded) {
    std::ostringstream out;
    std::istringstream quit("name\nquit\n");
    EXPECT_EQ(RunEngineLoop(quit, out, session), LoopEnd::Quit);
    std::istringstream ended("name\n");
    EXPECT_EQ(RunEngineLoop(ended, out, session), LoopEnd::EndOfInput);
    std::istringstream more("name\n");
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_EQ(RunEngineLoop(more, broken, session), LoopEnd::OutputFailed);
}

// Every command, right and wrong: each reply is one block with no empty line inside and
// exactly one at its end.
TEST_F(FramingTest, EveryReplyEndsInExactlyOneEmptyLine) {
    std::string script;
    for (std::string_view name : CommandNames()) {
        if (name != "quit") {
            script += std::string(name) + "\n" + std::string(name) + " b D4 x\n";
        }
    }
    script += "play b D4\ngenmove w\nshowboard\nlist_commands\nfixed_handicap 2\nquit\n";
    const std::string output = RunScript(session, script);
    std::size_t replies = 0;
    std::istringstream lines(output);
    std::string line;
    bool inReply = false;
    while (std::getline(lines, line)) {
        if (!inReply) {
            ASSERT_TRUE(line.starts_with('=') || line.starts_with('?')) << line;
            ++replies;
        }
        inReply = !line.empty();
    }
    EXPECT_FALSE(inReply);
    EXPECT_TRUE(output.ends_with("\n\n") && !output.ends_with("\n\n\n"));
    EXPECT_EQ(replies, 2 * (CommandNames().size() - 1) + 6);
}

}  // namespace
