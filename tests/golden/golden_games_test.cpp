// The computer player's moves in 1,000 seeded games against golden_games.txt: a digest a game,
// and eight games in full to show where one differs. TALVEX_UPDATE_GOLDEN=1 rewrites the record,
// only for a change meant to alter the moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "bench/bench_game.h"
#include "gtp/game_record.h"
#include "gtp/vertex.h"
#include "rules/game_setup.h"
#include "rules/legality.h"
#include "rules/play_turn.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"
#include "tests/support/gtp_test_support.h"

namespace {

// Seeds 1..Games through PlayTurn, as the phone program plays, and through talvex-gtp's
// commands; the full ones have both colours, handicap and the fighting human.
constexpr unsigned Games = 500;
constexpr unsigned FullSeeds[] = {1, 2, 3, 7};
constexpr int TurnLimit = 2000;
#ifdef TALVEX_SANITIZED_BUILD
constexpr unsigned SampleEvery = 25;
#else
constexpr unsigned SampleEvery = 1;
#endif

// A seed's human is Black when it is odd, has a handicap on every fourth seed, and on every
// third answers next to the machine's last stone (contact fights, captures, ko). After 400
// turns it only passes, so every game runs to the machine's second pass.
struct Human {
    unsigned seed;
    std::mt19937 rng{seed};
    int lastX = -1;  // the machine's last stone
    int lastY = -1;

    bool IsBlack() const { return seed % 2 != 0; }
    int Handicap() const { return seed % 4 == 3 ? 2 + static_cast<int>(seed % 8) : 0; }
    // False when the human passes.
    bool Move(int turn, int* x, int* y) {
        if (turn >= 400) {
            return false;
        }
        const bool fought =
            seed % 3 == 0 && lastX >= 0 && VisitNeighbours(lastX, lastY, [&](int nx, int ny) {
                *x = nx;
                *y = ny;
                return StoneAt(nx, ny) == Empty && IsForbiddenMove(nx, ny) == 0;
            });
        return fought || ChooseHumanPoint(rng, x, y) == 1;
    }
};

// Two letters a point ('a' + x, 'a' + y), "--" a pass.
void AppendMove(std::string& record, int x, int y) {
    record += x < 0 ? std::string("--")
                    : std::string{static_cast<char>('a' + x), static_cast<char>('a' + y)};
}

// The set-up's stones, the human's move and the machine's reply of every turn, the prisoners.
std::string PlayTurnGame(unsigned seed) {
    Human human{seed};
    // From a zeroed record, as at the program's start, so that any game can be played alone.
    ResetGame(human.IsBlack() ? Black : White, seed);
    SetUpGame(human.Handicap(), human.IsBlack());
    std::string record;
    for (int i = 0; i < PointCount; ++i) {
        if (Position.Board[i] != Empty) {
            AppendMove(record, i / BoardSize, i % BoardSize);
        }
    }
    record += '|';
    for (int turn = 0; Position.GameActive != 0 && turn < TurnLimit; ++turn) {
        int x = -1;
        int y = -1;
        const int passes = human.Move(turn, &x, &y) ? 0 : 1;
        AppendMove(record, passes ? -1 : x, y);
        PlayTurn(&x, &y, passes);
        AppendMove(record, x, y);
        human.lastX = x;
        human.lastY = y;
    }
    return record + '|' + std::to_string(Position.CapturedMachineStones) + ',' +
           std::to_string(Position.CapturedHumanStones);
}

// The same through the protocol: play for the human's colour, genmove for the machine's; "!"
// marks a refused play.
std::string PlayGtpGame(unsigned seed) {
    Human human{seed};
    GtpSession session{SessionOptions{.seed = seed}};
    if (human.Handicap() > 0) {
        Ask(session, "fixed_handicap " + std::to_string(human.Handicap()));
    }
    bool humanToMove = human.IsBlack() == (human.Handicap() == 0);
    std::string record;
    for (int turn = 0; Position.GameActive != 0 && turn < TurnLimit; ++turn) {
        if (humanToMove) {
            MakeHumanColor(human.IsBlack() ? Black : White);
            int x = -1;
            int y = -1;
            const bool stone = human.Move(turn / 2, &x, &y);
            const std::string play = human.IsBlack() ? "play b " : "play w ";
            record +=
                Ask(session, play + (stone ? FormatVertex({x, y}) : "pass")) == "=" ? "" : "!";
            AppendMove(record, stone ? x : -1, y);
        } else {
            const std::string reply = Ask(session, human.IsBlack() ? "genmove w" : "genmove b");
            const Vertex move = ParseVertex(reply.substr(2)).value_or(Vertex{-2, -2});
            AppendMove(record, move.x, move.y);
            human.lastX = move.x;
            human.lastY = move.y;
        }
        humanToMove = !humanToMove;
    }
    return record;
}

std::string Digest(const std::string& record) {
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    for (const char c : record) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

TEST(GoldenGamesTest, EveryMoveIsTheRecordedOne) {
    const char* update = std::getenv("TALVEX_UPDATE_GOLDEN");
    const bool updating = update && *update == '1';
    std::map<std::string, std::string> recorded;  // "turn 7" to its digest, "full turn 7" to all
    std::ifstream in(TALVEX_GOLDEN_FILE);
    ASSERT_TRUE(in || updating) << "cannot read " << TALVEX_GOLDEN_FILE;
    for (std::string line; std::getline(in, line);) {
        if (const auto last = line.rfind(' '); !line.starts_with('#') && last != line.npos) {
            recorded[line.substr(0, last)] = line.substr(last + 1);
        }
    }
    std::ostringstream digests;
    std::ostringstream full;
    using Kind = std::pair<const char*, std::string (*)(unsigned)>;
    for (const auto& [kind, play] : {Kind{"turn", PlayTurnGame}, Kind{"gtp", PlayGtpGame}}) {
        for (unsigned seed = 1; seed <= Games; ++seed) {
            const bool isFull = std::ranges::find(FullSeeds, seed) != std::end(FullSeeds);
            if (!updating && seed % SampleEvery != 0 && !isFull) {
                continue;
            }
            const std::string game = kind + (" " + std::to_string(seed));
            const std::string record = play(seed);
            digests << game << ' ' << Digest(record) << '\n';
            if (isFull) {
                full << "full " << game << ' ' << record << '\n';
                const std::string& expected = recorded["full " + game];
                const auto at = std::ranges::mismatch(expected, record).in1 - expected.begin();
                EXPECT_TRUE(expected == record)
                    << game << " differs from character " << at << ": \"" << expected.substr(at, 20)
                    << "\", now \"" << record.substr(at, 20) << '"';
            }
            EXPECT_EQ(recorded[game], Digest(record)) << game << " plays differently";
        }
    }
    if (updating) {
        std::ofstream(TALVEX_GOLDEN_FILE) << "# The computer player's moves, written by "
                                             "golden_games_test.cpp: kind, seed, digest.\n"
                                          << digests.str() << full.str();
        GTEST_SKIP() << "wrote " << TALVEX_GOLDEN_FILE;
    }
}

}  // namespace
