// The machine's move choice on an opening, a middle game and a crowded board.
//
// Each position comes from a seeded game of the machine against a random legal human, stopped
// where PlayTurn asks for the machine's reply. Before every call the whole state that
// ChooseMachineMove reads and writes is restored: Position by a plain struct copy, the opening
// play's progress, and the rand() sequence by srand(). srand() alone takes about half a
// microsecond, a good part of an opening reply, so the restore stays outside the measured time:
// each call is timed on its own with steady_clock (manual time; the clock adds some 30 ns).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "bench/bench_game.h"
#include "player/move_choice.h"
#include "player/opening_play.h"
#include "rules/legality.h"
#include "rules/play_turn.h"
#include "rules/position.h"

namespace {

// The rand() seed of the reply under measurement.
constexpr unsigned ReplySeed = 1;

struct Snapshot {
    PositionRecord position;
    int openingCorner;
    int openingNode;
};

void Restore(const Snapshot& snapshot) {
    Position = snapshot.position;
    OpeningCorner = snapshot.openingCorner;
    OpeningNode = snapshot.openingNode;
    std::srand(ReplySeed);
}

// Plays seeded games until the human's next stone brings the board to `stones` stones, puts
// that stone down and takes the captures as PlayTurn does before it asks for the reply.
Snapshot ReachPosition(int stones) {
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        std::mt19937 rng(seed);
        StartSeededGame(seed, 1);
        int x = -1;
        int y = -1;
        while (Position.GameActive != 0 && ChooseHumanPoint(rng, &x, &y) == 1) {
            if (CountStones() + 1 >= stones) {
                SetStone(x, y, Position.HumanColor);
                RemoveDeadStones(Position.MachineColor);
                return {Position, OpeningCorner, OpeningNode};
            }
            PlayTurn(&x, &y, 0);
        }
    }
    std::fprintf(stderr, "no game reached %d stones\n", stones);
    std::exit(1);
}

void BM_ChooseMachineMove(benchmark::State& state, int stones) {
    using Clock = std::chrono::steady_clock;
    const Snapshot snapshot = ReachPosition(stones);
    // The first reply is the reference: a call that answers differently did different work.
    int replyX = -1;
    int replyY = -1;
    Restore(snapshot);
    ChooseMachineMove(&replyX, &replyY);
    int x = -1;
    int y = -1;
    for (auto _ : state) {
        Restore(snapshot);
        const auto start = Clock::now();
        ChooseMachineMove(&x, &y);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (x != replyX || y != replyY) {
            state.SkipWithError("the reply changed between iterations");
            break;
        }
    }
    state.counters["stones"] = CountStones();
    state.SetLabel(x >= 0 ? "reply (" + std::to_string(x) + ", " + std::to_string(y) + ")"
                          : "reply pass");
}

}  // namespace

BENCHMARK_CAPTURE(BM_ChooseMachineMove, opening, 6)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChooseMachineMove, middle_game, 150)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChooseMachineMove, crowded, 300)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
