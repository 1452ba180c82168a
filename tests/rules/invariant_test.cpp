#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "rules/legality.h"
#include "rules/play_turn.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

namespace {

// Each game runs to the machine's second pass in a row, about 180 turns; fewer games where
// sanitizers make every turn ten times slower.
#ifdef TALVEX_SANITIZED_BUILD
constexpr int Games = 4;
#else
constexpr int Games = 24;
#endif
constexpr int MaxTurns = 300;

// A uniformly drawn point IsForbiddenMove allows, false when there is none; each trial must
// leave the board as it was.
bool DrawAllowedPoint(std::mt19937& draw, int* x, int* y, bool* boardKept) {
    std::vector<int> empty;
    for (int i = 0; i < PointCount; ++i) {
        if (Position.Board[i] == Empty) {
            empty.push_back(i);
        }
    }
    std::uint8_t before[PointCount];
    std::memcpy(before, Position.Board, sizeof before);
    while (!empty.empty()) {
        const std::size_t k = draw() % empty.size();
        *x = empty[k] / BoardSize;
        *y = empty[k] % BoardSize;
        const int forbidden = IsForbiddenMove(*x, *y);
        *boardKept = *boardKept && std::memcmp(before, Position.Board, sizeof before) == 0;
        if (forbidden == 0) {
            return true;
        }
        empty[k] = empty.back();
        empty.pop_back();
    }
    return false;
}

TEST(RandomGamesTest, EveryTurnLeavesAPositionTheRulesAllow) {
    for (int game = 0; game < Games; ++game) {
        ResetGame(game % 2 == 0 ? Black : White, static_cast<unsigned>(game) + 1);
        std::mt19937 draw(static_cast<unsigned>(game));
        const int human = Position.HumanColor;
        const int machine = Position.MachineColor;
        int humanPlaced = 0;
        int machinePlaced = 0;
        for (int turn = 0; turn < MaxTurns && Position.GameActive == 1; ++turn) {
            int x = -1;
            int y = -1;
            bool boardKept = true;
            const bool stone = draw() % 25 != 0 && DrawAllowedPoint(draw, &x, &y, &boardKept);
            PlayTurn(&x, &y, stone ? 0 : 1);
            humanPlaced += stone ? 1 : 0;
            machinePlaced += x >= 0 ? 1 : 0;

            const auto where = [&] {
                return "game " + std::to_string(game) + ", turn " + std::to_string(turn) + "\n" +
                       BoardDiagram();
            };
            ASSERT_TRUE(boardKept) << where();
            for (const auto point : Position.Board) {
                ASSERT_LE(point, 2) << where();
            }
            ASSERT_EQ(StoneWithoutLiberty(), -1) << where();
            ASSERT_EQ(Position.CapturedHumanStones, humanPlaced - CountStones(human)) << where();
            ASSERT_EQ(Position.CapturedMachineStones, machinePlaced - CountStones(machine))
                << where();
            ASSERT_EQ(Position.GameActive, Position.MachinePasses < 2 ? 1 : 0) << where();
            if (x >= 0) {
                ASSERT_EQ(StoneAt(x, y), machine) << where();
                ASSERT_TRUE(Position.HumanKoX < 0 ||
                            StoneAt(Position.HumanKoX, Position.HumanKoY) == Empty)
                    << where();
            }
        }
    }
}

}  // namespace
