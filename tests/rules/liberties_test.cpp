#include <pthread.h>

#include <algorithm>
#include <cstring>

#include "rules/liberties.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

namespace {

using ::PrintTo;

using LibertyTest = EngineTest;

struct CountCase {
    const char* name;
    Diagram rows;
    int x, y, color, liberties;
};

using CountTest = CaseTest<CountCase>;

TEST_P(CountTest, CountsEachLibertyOnce) {
    const CountCase& c = GetParam();
    SetDiagram(c.rows);
    EXPECT_EQ(GroupLiberties(c.x, c.y, c.color), c.liberties) << BoardDiagram();
}

INSTANTIATE_TEST_SUITE_P(
    Groups, CountTest,
    ::testing::Values(CountCase{"LShapeSharesALiberty", {"XX", "X."}, 0, 0, Black, 3},
                      CountCase{"OtherColourStopsTheWalk", {"XO.", "X.."}, 0, 1, Black, 2},
                      // The counted point itself is never a liberty, only its neighbours are.
                      CountCase{"EmptyPointAmongOthers", {".O.", "O.O", ".O."}, 1, 1, Black, 0},
                      CountCase{"EmptyPointJoiningTwoGroups", {"X.X", "..."}, 1, 0, Black, 4}),
    CaseName());

// Lone stones all over the board, with stones of the same colour on the grid indexes next to
// theirs across a column boundary: a walk that wrapped into the next column would join them.
class LoneStoneTest : public EngineTest,
                      public ::testing::WithParamInterface<std::array<int, 3>> {};

TEST_P(LoneStoneTest, HasOneLibertyPerNeighbourOnTheBoard) {
    const auto [x, y, liberties] = GetParam();
    SetStone(x, y, White);
    const int i = PointIndex(x, y);
    if (y == 0 && i > 0) {
        Position.Board[i - 1] = White;
    }
    if (y == BoardSize - 1 && i + 1 < PointCount) {
        Position.Board[i + 1] = White;
    }
    EXPECT_EQ(GroupLiberties(x, y, White), liberties) << BoardDiagram();
}

INSTANTIATE_TEST_SUITE_P(Points, LoneStoneTest,
                         ::testing::Values(std::array{0, 0, 2}, std::array{18, 18, 2},
                                           std::array{9, 0, 3}, std::array{0, 9, 3},
                                           std::array{18, 9, 3}, std::array{9, 18, 3},
                                           std::array{9, 9, 4}));

// The stopped count answers as the whole count does, from stones and from empty points; and a
// group counted again after any number of other counts (the round of marks wraps after 255)
// still has its liberties.
TEST_F(LibertyTest, StoppedCountAgreesWithTheWholeCountAcrossRounds) {
    SetBoard({"XX.O", "X.OO", ".XO.", "OX..", "..X"});
    for (int i = 0; i < 5 * BoardSize; ++i) {
        for (const int color : {Black, White}) {
            const int liberties = GroupLiberties(i / 5, i % 5, color);
            for (int wanted = 1; wanted <= 4; ++wanted) {
                EXPECT_EQ(HasLiberties(i / 5, i % 5, color, wanted), liberties >= wanted ? 1 : 0)
                    << "(" << i / 5 << ", " << i % 5 << ") wanted " << wanted;
            }
        }
    }
    for (int otherCounts = 0; otherCounts < 300; ++otherCounts) {
        ASSERT_EQ(GroupLiberties(0, 0, Black), 3) << "after " << otherCounts << " other counts";
        for (int k = 0; k < otherCounts; ++k) {
            GroupLiberties(3, 0, White);
        }
    }
}

TEST_F(LibertyTest, LibertyMapWritesOnlyStonesOfTheMappedColour) {
    SetBoard({"OO.X...XOX", "X.......X", "", "", "", ".....O"});
    std::memset(Position.LibertyMap, 77, sizeof Position.LibertyMap);
    BuildLibertyMap(White);
    EXPECT_EQ(Position.LibertyMap[PointIndex(0, 0)], 2);
    EXPECT_EQ(Position.LibertyMap[PointIndex(1, 0)], 2);
    EXPECT_EQ(Position.LibertyMap[PointIndex(5, 5)], 4);
    EXPECT_EQ(Position.LibertyMap[PointIndex(8, 0)], 0);  // the capture test reads this 0
    EXPECT_EQ(std::count(std::begin(Position.LibertyMap), std::end(Position.LibertyMap), 77),
              PointCount - 4);
}

// The count recurses once per stone of the group, on whatever thread runs the engine. A snake
// of 4-wide strips joined at alternate ends: 307 stones, walked about one level deeper each,
// whose liberties are the 54 empty points of the three walls between the strips.
void* CountSnake(void* liberties) {
    for (int x = 0; x < BoardSize; ++x) {
        const int opening = (x / 5) % 2 == 0 ? BoardSize - 1 : 0;
        for (int y = 0; y < BoardSize; ++y) {
            SetStone(x, y, x % 5 == 4 && y != opening ? Empty : Black);
        }
    }
    static_cast<int*>(liberties)[0] = GroupLiberties(0, 0, Black);
    BuildLibertyMap(Black);
    static_cast<int*>(liberties)[1] = Position.LibertyMap[PointIndex(18, 18)];
    return nullptr;
}

TEST_F(LibertyTest, LongSnakeIsCountedOnASmallStack) {
    pthread_attr_t attr;
    ASSERT_EQ(pthread_attr_init(&attr), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attr, 256 * 1024), 0);
    int liberties[2] = {-1, -1};
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attr, CountSnake, liberties), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attr);
    EXPECT_EQ(CountStones(Black), 307);
    EXPECT_EQ(liberties[0], 54);
    EXPECT_EQ(liberties[1], 54);
}

}  // namespace
