#include "player/pattern_match.h"
#include "tests/support/player_test_support.h"

namespace {

using ::PrintTo;

struct PatternCase {
    const char* name;
    Diagram board;
    int anchorX;
    int anchorY;
    Proposal expected;
};
using PatternMatch = CaseTest<PatternCase>;

TEST_P(PatternMatch, ProposesTheBestShapeAroundTheAnchor) {
    const PatternCase& c = GetParam();
    SetDiagram(c.board);
    EXPECT_EQ(Propose([&c](int* x, int* y, int* value) {
                  return MatchPatterns(c.anchorX, c.anchorY, x, y, value);
              }),
              c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Shapes, PatternMatch,
    ::testing::Values(
        // Pattern 8, the long extension (80), corrected by its move point's line. Black (1, 4) and
        // (3, 6) block every orientation but the one towards (1, 9).
        PatternCase{"ExtensionToSecondLine", {"", "", "", "", ".X", "O", "...X"}, 0, 5, {1, 9, 79, 1}},
        // Pattern 18 anchored at (5, 5), whose other neighbours are filled so that no extension
        // starts from it. Black around (7, 5) would leave a White stone there one liberty.
        PatternCase{"MovePointNeedsTwoLiberties",
                    {"", "", "", "", ".....OOX", "....OO..X", ".....OOX"}, 5, 5, Nothing},
        // Pattern 18 fits both downwards and upwards; the earlier orientation wins the tie.
        PatternCase{"TieGoesToTheEarlierOrientation",
                    {"", "", "", "", "....O.O", "....OOO", "....O.O"}, 5, 5, {5, 7, 80, 1}},
        // Pattern 4, the highest weight, mirrored: Black beside the middle point.
        PatternCase{"Pattern4Mirrored", {"", "", "", "", "....O", "", "...X", "", "....O"}, 4, 4, {4, 6, 84, 1}},
        // Pattern 0 upside down: it is tried in four orientations only, which do not include
        // this mirror image, so the long extension towards (3, 8) is the best shape.
        PatternCase{"FourOrientationPatternIsNotMirrored",
                    {"", "", "....O", ".....X", "....O"}, 4, 4, {3, 8, 81, 1}}),
    CaseName());
// clang-format on

}  // namespace
