// The computer player's moves in 1,000 seeded games, against the record in golden_games.txt: a
// digest a game, and a few games in full so that a difference can be found. A change to how the
// engine computes its answers must leave every move as it was; TALVEX_UPDATE_GOLDEN=1 rewrites
// the record, only for a change that means to alter the moves.
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
#include "tests/gtp/gtp_test_support.h"
#include "tests/support/engine_test.h"

namespace {

// Seeds 1..Games of each kind: through PlayTurn, as the phone program plays, and through
// talvex-gtp's commands. Kept in full: both kinds, the human with either colour, with and
// without handicap, and the fighting human.
constexpr unsigned Games = 500;
constexpr unsigned FullSeeds[] = {1, 2, 3, 7};
// After this many turns the human only passes, so every game runs to the machine's second pass.
constexpr int HumanMoveCap = 400;
constexpr int TurnLimit = 2000;
#ifdef TALVEX_SANITIZED_BUILD
constexpr unsigned SampleEvery = 25;
#else
constexpr unsigned SampleEvery = 1;
#endif

// What a seed plays: the human's colour, a handicap on every fourth seed, and on every third a
// human who answers next to the machine's last stone, for contact fights, captures and ko.
struct GamePlan {
    int humanIsBlack;
    int handicap;
    bool fighter;
};

GamePlan PlanOf(unsigned seed) {
    return {static_cast<int>(seed % 2), seed % 4 == 3 ? 2 + static_cast<int>(seed % 8) : 0,
            seed % 3 == 0};
}

// Two letters a point ('a' + x, 'a' + y), "--" a pass.
void AppendMove(std::string& record, int x, int y) {
    record += x < 0 ? '-' : static_cast<char>('a' + x);
    record += x < 0 ? '-' : static_cast<char>('a' + y);
}

// The human's point: next to the machine's last stone when the fighter can play there, else a
// random allowed point. False when the human passes.
bool ChooseHumanMove(const GamePlan& plan, int turn, int lastX, int lastY, std::mt19937& rng,
                     int* x, int* y) {
    if (turn >= HumanMoveCap) {
        return false;
    }
    const bool fought =
        plan.fighter && lastX >= 0 && VisitNeighbours(lastX, lastY, [&](int nx, int ny) {
            *x = nx;
            *y = ny;
            return StoneAt(nx, ny) == Empty && IsForbiddenMove(nx, ny) == 0;
        });
    return fought || ChooseHumanPoint(rng, x, y) == 1;
}

// The set-up's stones, then the human's move and the machine's reply of every turn, then the
// prisoners.
std::string PlayTurnGame(unsigned seed) {
    const GamePlan plan = PlanOf(seed);
    std::mt19937 rng(seed);
    // From a zeroed record, as at the program's start, so that no game depends on the one
    // before it and any game can be played alone.
    ResetGame(plan.humanIsBlack ? Black : White, seed);
    SetUpGame(plan.handicap, plan.humanIsBlack);
    std::string record;
    for (int i = 0; i < PointCount; ++i) {
        if (Position.Board[i] != Empty) {
            AppendMove(record, i / BoardSize, i % BoardSize);
        }
    }
    record += '|';
    int lastX = -1;
    int lastY = -1;
    for (int turn = 0; Position.GameActive != 0 && turn < TurnLimit; ++turn) {
        int x = -1;
        int y = -1;
        const int humanPasses = ChooseHumanMove(plan, turn, lastX, lastY, rng, &x, &y) ? 0 : 1;
        AppendMove(record, humanPasses ? -1 : x, y);
        PlayTurn(&x, &y, humanPasses);
        AppendMove(record, x, y);
        lastX = x;
        lastY = y;
    }
    return record + '|' + std::to_string(Position.CapturedMachineStones) + ',' +
           std::to_string(Position.CapturedHumanStones);
}

// The same through the protocol: play for the human's colour, genmove for the machine's.
std::string PlayGtpGame(unsigned seed) {
    const GamePlan plan = PlanOf(seed);
    std::mt19937 rng(seed);
    GtpSession session{SessionOptions{.seed = seed}};
    if (plan.handicap > 0) {
        Ask(session, "fixed_handicap " + std::to_string(plan.handicap));
    }
    const int human = plan.humanIsBlack ? Black : White;
    const char* humanName = plan.humanIsBlack ? "b " : "w ";
    const char* machineName = plan.humanIsBlack ? "genmove w" : "genmove b";
    bool humanToMove = plan.humanIsBlack == (plan.handicap == 0 ? 1 : 0);
    std::string record;
    int lastX = -1;
    int lastY = -1;
    for (int turn = 0; Position.GameActive != 0 && turn < TurnLimit; ++turn) {
        if (humanToMove) {
            MakeHumanColor(human);
            int x = -1;
            int y = -1;
            const bool stone = ChooseHumanMove(plan, turn / 2, lastX, lastY, rng, &x, &y);
            const std::string vertex = stone ? FormatVertex({x, y}) : "pass";
            record += Ask(session, "play " + std::string(humanName) + vertex) == "=" ? "" : "!";
            AppendMove(record, stone ? x : -1, y);
        } else {
            const std::string reply = Ask(session, machineName);
            const Vertex move = ParseVertex(reply.substr(2)).value_or(Vertex{-2, -2});
            AppendMove(record, move.x, move.y);
            lastX = move.x;
            lastY = move.y;
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
    // "turn 7" to its digest, "full turn 7" to its whole record.
    std::map<std::string, std::string> recorded;
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
        ASSERT_TRUE(updating || recorded.contains(kind + (" " + std::to_string(Games))));
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
        std::ofstream(TALVEX_GOLDEN_FILE)
            << "# The computer player's moves, written by golden_games_test.cpp: kind, seed, "
               "digest.\n"
            << digests.str() << full.str();
        GTEST_SKIP() << "wrote " << TALVEX_GOLDEN_FILE;
    }
}

}  // namespace
