// Plays seeded games of the machine against a random legal human through PlayTurn, and reports
// the speed of the machine's replies and the peak memory.
//
// Usage: selfplay [games=200] [seed=1]
// Game k is played from seed + k alone, so `selfplay 1 S` replays the game of seed S.
// Exits with 1 when a game runs past the turn limit or the engine leaves a wrong board.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/bench_game.h"
#include "rules/play_turn.h"
#include "rules/position.h"

namespace {

using Clock = std::chrono::steady_clock;

// After this many turns the human only passes, so that the machine's two passes end the game.
constexpr int HumanMoveCap = 400;
// A game still running after this many turns is taken as a hang.
constexpr int TurnLimit = 2000;

struct Totals {
    int games = 0;
    long turns = 0;
    long moves = 0;
    std::vector<std::int64_t> replyNanoseconds;
    // Where the slowest reply was: the same seed and turn in every run is a slow position, a
    // different one each time is the machine's noise.
    std::int64_t slowestNanoseconds = -1;
    unsigned slowestSeed = 0;
    int slowestTurn = 0;
};

// Every point holds Empty, White or Black.
bool BoardIsValid() {
    return std::all_of(std::begin(Position.Board), std::end(Position.Board),
                       [](std::uint8_t point) { return point <= Black; });
}

// Plays one game to its end. Returns false, with a message, when something went wrong.
bool PlayGame(unsigned seed, Totals& totals) {
    // Alternate sides so that the machine's opening move as Black is played too.
    const int humanIsBlack = seed % 2;
    std::mt19937 rng(seed);
    StartSeededGame(seed, humanIsBlack);
    totals.moves += humanIsBlack ? 0 : 1;  // the machine's opening move as Black
    for (int turn = 0; Position.GameActive != 0; ++turn) {
        if (turn == TurnLimit) {
            std::fprintf(stderr, "seed %u: still running after %d turns\n", seed, TurnLimit);
            return false;
        }
        int x = -1;
        int y = -1;
        const int humanPasses = turn >= HumanMoveCap || ChooseHumanPoint(rng, &x, &y) == 0;
        // The reply must go on a point left empty by the human's move: neither the new human
        // stone nor an older one, which the human's move cannot take.
        const int humanPoint = humanPasses ? -1 : PointIndex(x, y);
        const PositionRecord before = Position;

        const auto start = Clock::now();
        PlayTurn(&x, &y, humanPasses);
        const std::int64_t nanoseconds =
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count();
        totals.replyNanoseconds.push_back(nanoseconds);
        if (nanoseconds > totals.slowestNanoseconds) {
            totals.slowestNanoseconds = nanoseconds;
            totals.slowestSeed = seed;
            totals.slowestTurn = turn;
        }
        ++totals.turns;
        totals.moves += 2;

        if (!BoardIsValid()) {
            std::fprintf(stderr, "seed %u turn %d: a board point holds no colour\n", seed, turn);
            return false;
        }
        const bool replyIsSound = x < 0 || (IsOnBoard(x, y) && PointIndex(x, y) != humanPoint &&
                                            before.Board[PointIndex(x, y)] != Position.HumanColor);
        if (!replyIsSound) {
            std::fprintf(stderr, "seed %u turn %d: machine played on the point (%d, %d)\n", seed,
                         turn, x, y);
            return false;
        }
    }
    ++totals.games;
    return true;
}

double Microseconds(std::int64_t nanoseconds) {
    return static_cast<double>(nanoseconds) / 1000.0;
}

// The value below which the given fraction of the sorted sample lies.
std::int64_t Percentile(const std::vector<std::int64_t>& sorted, double fraction) {
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return sorted[rank];
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 200;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    if (games <= 0) {
        std::fprintf(stderr, "usage: selfplay [games > 0] [seed]\n");
        return 2;
    }

    Totals totals;
    bool ok = true;
    const auto start = Clock::now();
    for (int game = 0; game < games && ok; ++game) {
        ok = PlayGame(seed + static_cast<unsigned>(game), totals);
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;

    std::vector<std::int64_t>& replies = totals.replyNanoseconds;
    std::sort(replies.begin(), replies.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    std::printf("games            %d\n", totals.games);
    std::printf("turns            %ld\n", totals.turns);
    std::printf("moves            %ld (both sides, passes included)\n", totals.moves);
    std::printf("games per second %.1f\n", totals.games / elapsed.count());
    if (!replies.empty()) {
        std::printf("reply median     %.1f us\n", Microseconds(Percentile(replies, 0.5)));
        std::printf("reply p99        %.1f us\n", Microseconds(Percentile(replies, 0.99)));
        std::printf("reply max        %.1f us (seed %u, turn %d)\n", Microseconds(replies.back()),
                    totals.slowestSeed, totals.slowestTurn);
    }
    std::printf("peak RSS         %ld KiB\n", usage.ru_maxrss);
    return ok ? 0 : 1;
}
