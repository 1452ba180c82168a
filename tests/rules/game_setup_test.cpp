#include <chrono>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "rules/game_setup.h"
#include "rules/handicap.h"
#include "rules/position.h"
#include "tests/support/board_diagram.h"
#include "tests/support/case_table.h"
#include "tests/support/engine_fixture.h"

namespace {

using ::PrintTo;

using namespace std::chrono;

// For each n: the smaller handicap it builds on, and the points it adds.
struct HandicapRow {
    int base;
    std::vector<std::array<int, 2>> added;
};
// clang-format off
const HandicapRow HandicapTable[] = {
    {0, {}}, {0, {{3, 3}}}, {1, {{15, 15}}}, {2, {{3, 15}}}, {3, {{15, 3}}}, {4, {{9, 9}}},
    {4, {{9, 15}, {9, 3}}}, {6, {{9, 9}}}, {6, {{15, 9}, {3, 9}}}, {8, {{9, 9}}}, {9, {{2, 2}}},
    {10, {{16, 16}}}, {11, {{2, 16}}}, {12, {{16, 2}}}, {13, {{6, 6}}}, {14, {{12, 12}}},
    {15, {{6, 12}}}, {16, {{12, 6}}},
};
// clang-format on

// The board with nothing but the n handicap stones of the table.
std::string HandicapBoard(int n) {
    SetBoard({});
    for (int k = n; k > 0; k = HandicapTable[k].base) {
        for (const auto& [x, y] : HandicapTable[k].added) {
            SetStone(x, y, Black);
        }
    }
    return BoardDiagram();
}

// Sets a new game up over the record of one that was played out, which it must clear.
void NewGame(int handicap, int humanIsBlack) {
    ResetGame(humanIsBlack ? White : Black);
    SetBoard({"XO.X", "OXO.", ".O.."});
    Position.CapturedMachineStones = 5;
    Position.CapturedHumanStones = 6;
    Position.MachineKoX = Position.MachineKoY = 2;
    Position.HumanKoX = Position.HumanKoY = 3;
    Position.MachinePasses = 2;
    Position.GameActive = 0;
    std::fill(std::begin(Position.OpeningFlags), std::end(Position.OpeningFlags), 0);
    Position.OpeningFlags[SequenceInProgressFlag] = 1;
    ClearBoard();
    StartGameState();
    SetUpGame(handicap, humanIsBlack);
}

// Handicap asked for, human Black or White, handicap stones placed.
using SetUpCase = std::tuple<int, int, int>;

class SetUpTest : public ::testing::TestWithParam<SetUpCase> {};

TEST_P(SetUpTest, StartsAFreshGameWithTheHumanToMove) {
    const auto [handicap, humanIsBlack, n] = GetParam();
    NewGame(handicap, humanIsBlack);
    const int machine = humanIsBlack ? White : Black;
    EXPECT_EQ(Position.HumanColor, humanIsBlack ? Black : White);
    EXPECT_EQ(Position.MachineColor, machine);
    EXPECT_EQ(Position.CapturedMachineStones + Position.CapturedHumanStones, 0);
    const std::vector<int> game = {Position.MachineKoX,    Position.MachineKoY,
                                   Position.HumanKoX,      Position.HumanKoY,
                                   Position.MachinePasses, Position.GameActive};
    EXPECT_EQ(game, std::vector<int>({-1, -1, -1, -1, 0, 1}));
    // White moves first in a handicap game, Black otherwise: the machine's stone, if its turn.
    const bool machineMoved = (machine == White) == (n > 0);
    EXPECT_EQ(CountStones(Black) + CountStones(White), n + (machineMoved ? 1 : 0));
    EXPECT_EQ(CountStones(machine), (machine == Black ? n : 0) + (machineMoved ? 1 : 0));
    if (!machineMoved) {
        EXPECT_EQ(
            std::vector<int>(std::begin(Position.OpeningFlags), std::end(Position.OpeningFlags)),
            std::vector<int>({1, 1, 1, 1, 0, 1, 1, 1, 1}));
        const std::string board = BoardDiagram();
        EXPECT_EQ(board, HandicapBoard(n));
    }
}

INSTANTIATE_TEST_SUITE_P(Games, SetUpTest,
                         ::testing::Values(SetUpCase{0, 1, 0}, SetUpCase{0, 0, 0},
                                           SetUpCase{4, 1, 4}, SetUpCase{4, 0, 4},
                                           SetUpCase{25, 0, 17}, SetUpCase{-3, 1, 0}));

class HandicapTest : public ::testing::TestWithParam<int> {};

TEST_P(HandicapTest, PlacesTheTablePoints) {
    NewGame(GetParam(), 0);
    const std::string placed = BoardDiagram();
    EXPECT_EQ(placed, HandicapBoard(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Stones, HandicapTest, ::testing::Range(1, MaxHandicap + 1));

struct SeedCase {
    const char* name;
    sys_time<milliseconds> time;
    unsigned seed;
};

class ClockSeedTest : public ::testing::TestWithParam<SeedCase> {};

TEST_P(ClockSeedTest, UsesMinuteSecondAndMillisecondOnly) {
    EXPECT_EQ(ClockSeed(GetParam().time), GetParam().seed);
}

constexpr sys_time<milliseconds> At(year_month_day day, int h, int m, int s, int ms) {
    return sys_days{day} + hours{h} + minutes{m} + seconds{s} + milliseconds{ms};
}

INSTANTIATE_TEST_SUITE_P(
    Times, ClockSeedTest,
    ::testing::Values(
        SeedCase{"Afternoon", At(2024y / 3 / 5, 12, 34, 56, 789), 2096789},
        SeedCase{"AnHourLater", At(2024y / 3 / 5, 13, 34, 56, 789), 2096789},
        SeedCase{"AnotherDay", At(1999y / 12 / 31, 23, 34, 56, 789), 2096789},
        SeedCase{"TopOfTheHour", At(2024y / 3 / 5, 7, 0, 0, 0), 0},
        SeedCase{"LastMillisecondOfTheHour", At(2031y / 6 / 30, 18, 59, 59, 999), 3599999},
        SeedCase{"BeforeNineteenSeventy", At(1969y / 7 / 20, 20, 17, 40, 5), 1060005}),
    [](const auto& info) { return info.param.name; });

TEST(StartGameStateTest, SeedsRandFromTheClock) {
    const auto before = floor<milliseconds>(system_clock::now());
    StartGameState();
    const int draws[3] = {std::rand(), std::rand(), std::rand()};
    const auto after = system_clock::now();
    bool found = false;
    for (auto t = before; t <= after && !found; t += milliseconds{1}) {
        std::srand(ClockSeed(t));
        found = std::rand() == draws[0] && std::rand() == draws[1] && std::rand() == draws[2];
    }
    EXPECT_TRUE(found);
}

}  // namespace
