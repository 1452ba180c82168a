#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "rules/game_setup.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

namespace {

using namespace std::chrono;

// Handicap asked for, human Black or White, handicap stones placed.
using SetUpCase = std::tuple<int, int, int>;

class SetUpTest : public ::testing::TestWithParam<SetUpCase> {};

// A new game over the record of one that was played out, which it must clear.
TEST_P(SetUpTest, StartsAFreshGameWithTheHumanToMove) {
    const auto [handicap, humanIsBlack, n] = GetParam();
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
    }
}

INSTANTIATE_TEST_SUITE_P(Games, SetUpTest,
                         ::testing::Values(SetUpCase{0, 1, 0}, SetUpCase{0, 0, 0},
                                           SetUpCase{1, 1, 1}, SetUpCase{4, 1, 4},
                                           SetUpCase{4, 0, 4}, SetUpCase{25, 0, 17},
                                           SetUpCase{-3, 1, 0}));

// The minute, second and millisecond of the hour, also before 1970.
TEST(StartGameStateTest, SeedsRandFromTheClock) {
    EXPECT_EQ(ClockSeed(sys_days{2024y / 3 / 5} + 12h + 34min + 56s + 789ms), 2096789u);
    EXPECT_EQ(ClockSeed(sys_days{1969y / 7 / 20} + 20h + 17min + 40s + 5ms), 1060005u);
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
