// The protocol's framing through the real loop: ids, reply ends, comments, blank lines, quit.
#include <sstream>
#include <string>

#include "gtp/commands.h"
#include "gtp/engine_loop.h"
#include "tests/support/engine_test.h"
#include "tests/support/gtp_test_support.h"

namespace {

using namespace std::string_literals;
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
                      // Tabs are spaces, other controls and NUL dropped, comments cut.
                      ScriptCase{"ControlCharacters",
                                 "\tknown_command\tna\x01me\x7f\r # c\nna\0me\n"s,
                                 "= true\n\n= Talvex Go\n\n"},
                      ScriptCase{"IdIsDigitsOnly", "12a name\n-3 name\n",
                                 "? unknown command\n\n? unknown command\n\n"},
                      ScriptCase{"NamesAreCaseSensitive", "NAME\n", "? unknown command\n\n"},
                      ScriptCase{"LastLineWithoutNewline", "1 version", "=1 1.01\n\n"},
                      ScriptCase{"QuitAnswersThenStops", "1 quit\nname\n", "=1\n\n"},
                      ScriptCase{"LineTooLong",
                                 "9 name " + std::string(MaxCommandLength, 'x') + "\nversion\n",
                                 "?9 line too long\n\n= 1.01\n\n"},
                      ScriptCase{"LongCommentAndTrailingSpacesAreNotTooLong",
                                 "name #" + std::string(2 * MaxCommandLength, 'x') + "\nname" +
                                     std::string(2 * MaxCommandLength, ' ') + "\n",
                                 "= Talvex Go\n\n= Talvex Go\n\n"}),
    CaseName());

// talvex-gtp exits with an error when its output fails.
TEST_F(FramingTest, LoopTellsWhenItsOutputFails) {
    std::istringstream in("name\n");
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_EQ(RunEngineLoop(in, broken, session), LoopEnd::OutputFailed);
}

// Every command, right and wrong: each reply is one block with no empty line inside and
// exactly one at its end.
TEST_F(FramingTest, EveryReplyEndsInExactlyOneEmptyLine) {
    std::string script;
    for (std::string_view name : CommandNames()) {
        script += name == "quit" ? "" : std::string(name) + "\n" + std::string(name) + " b D4 x\n";
    }
    script += "play b D4\ngenmove w\nshowboard\nlist_commands\nfixed_handicap 2\nquit\n";
    const std::string output = RunScript(session, script);
    std::size_t replies = 0;
    std::istringstream lines(output);
    bool inReply = false;
    for (std::string line; std::getline(lines, line); inReply = !line.empty()) {
        if (!inReply) {
            ASSERT_TRUE(line.starts_with('=') || line.starts_with('?')) << line;
            ++replies;
        }
    }
    EXPECT_FALSE(inReply);
    EXPECT_TRUE(output.ends_with("\n\n") && !output.ends_with("\n\n\n"));
    EXPECT_EQ(replies, 2 * (CommandNames().size() - 1) + 6);
}

}  // namespace
