// Vertices: every point both ways, and the words that are not one.
#include <gtest/gtest.h>

#include <string>

#include "gtp/vertex.h"
#include "rules/position.h"

namespace {

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

}  // namespace
