#include <cstdlib>
#include <vector>

#include "player/move_choice.h"
#include "player/random_search.h"
#include "tests/player/player_test_support.h"

namespace {

using ::PrintTo;

// The search's first try lands on (3, 3), its second on (14, 14), which is always playable.
struct FilterCase {
    const char* name;
    Diagram board;
    int chosen;  // both coordinates of the chosen point
};
using RandomFilter = CaseTest<FilterCase>;

TEST_P(RandomFilter, SkipsPointsTheMachineMustNotPlay) {
    SetDiagram(GetParam().board);
    std::srand(SeedForDraws({3, 3, 14, 14}, BoardSize));
    int x = -1;
    int y = -1;
    ASSERT_EQ(FindRandomMove(&x, &y), 1);
    EXPECT_EQ(x, GetParam().chosen);
    EXPECT_EQ(y, GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Points, RandomFilter,
    ::testing::Values(FilterCase{"TwoLibertiesAreEnough", {"", "", "", "..X.X"}, 3},
                      FilterCase{"Occupied", {"", "", "", "...X"}, 14},
                      FilterCase{"OneLiberty", {"", "", "...X", "..X.X"}, 14},
                      FilterCase{"MachineEye", {"", "", "...O", "..O.O", "...O"}, 14}),
    CaseName());

// The parameter fills the board but for a lattice of isolated points: with the machine's colour
// (White) each of them is its eye, with the human's a machine stone there has no liberty.
class RandomGiveUp : public EngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(RandomGiveUp, PassesAfterFourHundredTriesAndCountsThePasses) {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            SetStone(x, y, x % 3 == 1 && y % 3 == 1 ? Empty : GetParam());
        }
    }
    ConsumeOpeningFlags();
    MapBothSides();
    const std::string before = BoardDiagram();
    for (int pass = 1; pass <= 2; ++pass) {
        std::srand(static_cast<unsigned>(pass));
        for (int draws = 0; draws < 2 * RandomSearchTries; ++draws) {
            DrawCoordinate();
        }
        const int following = std::rand();
        std::srand(static_cast<unsigned>(pass));
        int x = 0;
        int y = 0;
        ChooseMachineMove(&x, &y);
        EXPECT_EQ(x, -1);
        EXPECT_EQ(Position.MachinePasses, pass);
        EXPECT_EQ(std::rand(), following) << "not exactly 400 tries";
    }
    EXPECT_EQ(BoardDiagram(), before);
}

INSTANTIATE_TEST_SUITE_P(Boards, RandomGiveUp, ::testing::Values(White, Black),
                         [](const auto& info) {
                             return info.param == White ? "OnlyMachineEyes" : "NoLiberties";
                         });

}  // namespace
