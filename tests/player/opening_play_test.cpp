#include <cstdlib>
#include <utility>
#include <vector>

#include "player/opening_play.h"
#include "tests/support/player_test_support.h"

namespace {

using ::PrintTo;

using Point = std::pair<int, int>;

void Place(const std::vector<Point>& points, int color) {
    for (const auto& [x, y] : points) {
        SetStone(x, y, color);
    }
}

struct FirstMoveCase {
    const char* name;
    std::vector<Point> blockers;  // a human stone in each earlier corner's area
    int slot;                     // the root's successor drawn
    int corner;
    Point expected;
};
using FirstOpeningMove = CaseTest<FirstMoveCase>;

TEST_P(FirstOpeningMove, StartsInTheFirstEmptyCornerMirrored) {
    const FirstMoveCase& c = GetParam();
    Place(c.blockers, Position.HumanColor);
    std::srand(SeedForDraws({c.slot}, 8));
    const auto [x, y] = c.expected;
    EXPECT_EQ(Propose(FindOpeningOrPatternMove), (Proposal{x, y, 80, 1}));
    EXPECT_EQ(OpeningCorner, c.corner);
    for (int f = 0; f < OpeningFlagCount; ++f) {
        // Only (2, 2), slot 7, is a sequence of a single stone.
        const int armed = f == SequenceInProgressFlag ? c.slot != 7 : f > c.corner;
        EXPECT_EQ(Position.OpeningFlags[f], armed) << "flag " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Corners, FirstOpeningMove,
    ::testing::Values(FirstMoveCase{"Slot7", {}, 7, 0, {2, 2}},
                      FirstMoveCase{"TopRight", {{4, 4}}, 0, 1, {16, 3}},
                      FirstMoveCase{"BottomRight", {{4, 4}, {14, 4}, {4, 14}}, 0, 3, {16, 15}}),
    CaseName());

// White (3, 3) has been played in corner 0 and the sequence's next node is (2, 5).
struct DropCase {
    const char* name;
    Diagram board;
    Point expected;
};
using DroppedSequence = CaseTest<DropCase>;

TEST_P(DroppedSequence, UnplayableNextPointStartsTheNextCorner) {
    SetDiagram(GetParam().board);
    Position.OpeningFlags[0] = 0;
    Position.OpeningFlags[SequenceInProgressFlag] = 1;
    OpeningCorner = 0;
    OpeningNode = 14;
    // The first draw steps past (2, 5); the second picks slot 7 in the new corner: (2, 2), a
    // sequence of one stone, which leaves nothing in progress.
    std::srand(SeedForDraws({0, 7}, 8));
    const auto [x, y] = GetParam().expected;
    EXPECT_EQ(Propose(FindOpeningOrPatternMove), (Proposal{x, y, 80, 1}));
    const bool dropped = x != 2;
    EXPECT_EQ(OpeningCorner, dropped ? 1 : 0);
    EXPECT_EQ(Position.OpeningFlags[1], dropped ? 0 : 1);
    EXPECT_EQ(Position.OpeningFlags[SequenceInProgressFlag], dropped ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    NextPoint, DroppedSequence,
    ::testing::Values(
        DropCase{"FreeIsPlayed", {"", "", "", "...O"}, {2, 5}},
        DropCase{"HumanStone", {"", "", "", "...O", "", "..X"}, {16, 2}},
        DropCase{"SurroundedByTheHuman", {"", "", "", "...O", "..X", ".X.X", "..X"}, {16, 2}}),
    CaseName());

// A human stone in every corner; the parameter is how many side areas are taken too.
class SidePoints : public EngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(SidePoints, FollowTheCornersInOrder) {
    const int taken = GetParam();
    const std::vector<Point> sideStones = {{0, 6}, {18, 11}, {6, 0}, {11, 18}};
    const Proposal sidePoints[] = {{3, 9, 80, 1}, {15, 9, 80, 1}, {9, 3, 80, 1}, {9, 15, 80, 1}};
    Place({{0, 0}, {18, 0}, {0, 18}, {18, 18}}, Position.HumanColor);
    Place({sideStones.begin(), sideStones.begin() + taken}, Position.HumanColor);
    EXPECT_EQ(Propose(FindOpeningOrPatternMove), taken < 4 ? sidePoints[taken] : Nothing);
    for (int f = 0; f < OpeningFlagCount; ++f) {
        EXPECT_EQ(Position.OpeningFlags[f], f > 5 + taken ? 1 : 0) << "flag " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(SideAreasTaken, SidePoints, ::testing::Range(0, 5));

TEST_F(EngineTest, OnceTheOpeningIsSpentOnlyPatternsPlay) {
    ConsumeOpeningFlags();
    EXPECT_EQ(Propose(FindOpeningOrPatternMove), Nothing);
    // Corner 0 is still empty, yet the lone stone's extension pattern is what is proposed.
    SetStone(2, 7, Position.MachineColor);
    EXPECT_EQ(Propose(FindOpeningOrPatternMove), (Proposal{3, 3, 82, 1}));
}

}  // namespace
