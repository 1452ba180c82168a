// Line cleaning and splitting, vertices, colours and numbers.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "gtp/command_line.h"
#include "gtp/numbers.h"
#include "gtp/vertex.h"
#include "rules/position.h"

namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

class CleanTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(CleanTest, ControlsDroppedTabsSpacedCommentsCut) {
    const auto& [raw, clean] = GetParam();
    EXPECT_EQ(CleanCommandLine(raw).text, clean);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CleanTest,
    ::testing::Values(std::pair{"\tplay\tb  d4", " play b  d4"}, std::pair{"name # c # d", "name "},
                      std::pair{"#name", ""}, std::pair{"\x01na\x1fme\x7f\r", "name"},
                      std::pair{"k\xc3\xa9", "k\xc3\xa9"}, std::pair{"a\x00z"s, "az"s}));

class SplitTest
    : public ::testing::TestWithParam<std::tuple<std::string, std::string, std::string, Strings>> {
};

TEST_P(SplitTest, IdNameArguments) {
    const auto& [line, id, name, arguments] = GetParam();
    const CommandLine command = SplitCommandLine(line);
    EXPECT_EQ(command.id, id);
    EXPECT_EQ(command.name, name);
    EXPECT_EQ(command.arguments, arguments);
}

INSTANTIATE_TEST_SUITE_P(Lines, SplitTest,
                         ::testing::Values(std::tuple{"7 play b D4", "7", "play",
                                                      Strings{"b", "D4"}},
                                           std::tuple{"12", "12", "", Strings{}},
                                           std::tuple{"-3 name", "", "-3", Strings{"name"}},
                                           std::tuple{"12a name", "", "12a", Strings{"name"}}));

TEST(ReadCleanLineTest, LinesUpToNewlineOrEndAndOverlongOnesFlagged) {
    const std::string longComment = "name #" + std::string(MaxCommandLength * 2, 'x');
    const std::string longWords = std::string(MaxCommandLength, ' ') + "genmove b";
    const std::string trailingSpaces = "name" + std::string(MaxCommandLength * 2, ' ');
    std::istringstream in("a\n" + longComment + "\n" + longWords + "\n" + trailingSpaces +
                          "\nlast");
    CleanLine line;
    const std::vector<std::pair<std::string, bool>> expected = {
        {"a", false}, {"name ", false}, {std::string(MaxCommandLength, ' '), true}};
    for (const auto& [text, tooLong] : expected) {
        ASSERT_TRUE(ReadCleanLine(in, line));
        EXPECT_EQ(line.text, text);
        EXPECT_EQ(line.tooLong, tooLong);
    }
    ASSERT_TRUE(ReadCleanLine(in, line));
    EXPECT_FALSE(line.tooLong);
    ASSERT_TRUE(ReadCleanLine(in, line));
    EXPECT_EQ(line.text, "last");
    EXPECT_FALSE(ReadCleanLine(in, line));
}

TEST(VertexTest, EveryPointFormatsAndParsesBack) {
    EXPECT_EQ(ParseVertex("a1"), (Vertex{0, 18}));
    EXPECT_EQ(ParseVertex("t19"), (Vertex{18, 0}));
    EXPECT_EQ(ParseVertex("PaSs"), PassVertex);
    for (const char* word : {"i5", "A0", "U1", "A01", "A", "", "1A", "D4x", "A+1", "passes"}) {
        EXPECT_FALSE(ParseVertex(word)) << word;
    }
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const std::string word = FormatVertex({x, y});
            EXPECT_NE(word[0], 'I');
            EXPECT_EQ(ParseVertex(word), (Vertex{x, y})) << word;
        }
    }
    EXPECT_EQ(FormatVertex(PassVertex), "pass");
}

TEST(ParseTest, ColoursCountsAndFloats) {
    for (const char* word : {"b", "BLACK", "Black"}) {
        EXPECT_EQ(ParseColor(word), Black) << word;
    }
    EXPECT_EQ(ParseColor("w"), White);
    EXPECT_EQ(ParseColor("White"), White);
    for (const char* word : {"", "x", "bl", "blacks"}) {
        EXPECT_FALSE(ParseColor(word)) << word;
    }
    EXPECT_EQ(ParseCount("19"), 19);
    EXPECT_EQ(ParseCount("99999999999999999999"), INT_MAX);
    for (const char* word : {"", "-1", "+1", "1.0", "x"}) {
        EXPECT_FALSE(ParseCount(word)) << word;
    }
    EXPECT_EQ(ParseFloat("-3"), -3.0);
    EXPECT_EQ(ParseFloat("+0.5"), 0.5);
    for (const char* word : {"", "nan", "-inf", "1e999", "6.5x", "+-1", "0x10"}) {
        EXPECT_FALSE(ParseFloat(word)) << word;
    }
    EXPECT_EQ(FormatNumber(6.5), "6.5");
    EXPECT_EQ(FormatNumber(7.0), "7");
}

}  // namespace
