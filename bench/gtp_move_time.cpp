// The time each of two GTP engines takes per move, measured in the same games: they play each
// other (colours alternating), and every genmove is timed from the command's write to the
// reply's closing empty line, through pipes, with nothing else in the way.
//
// An engine waits idle while the other thinks, and the first command after a long wait pays
// for waking the process up (here some 60 us after 50 ms idle, for a command that does
// nothing). So each genmove comes right after a protocol_version, timed on its own: the move's
// figure is the engine's work plus one pipe round trip, and the wake-up figure is shown apart.
// The processor time each engine's process spent on each genmove (the kernel's count for it,
// in nanoseconds) is given too: the work alone, without any waiting on the pipes.
//
// Usage: gtp_move_time games engine1 [arguments...] -- engine2 [arguments...]
// Prints each engine's median and 90th-percentile time per move and the ratio of the medians.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/gtp_pipe.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMoveLimit = 600;  // a game of repeated kos stops here

struct Player {
    char** command;
    GtpPipe engine;
    std::vector<double> micros;
    std::vector<double> wakeMicros;  // the protocol_version before each genmove
    std::vector<double> cpuMicros;   // the process's processor time for each genmove
};

// The processor time the process has used so far, in microseconds; 0 when it cannot be read.
double CpuMicros(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/schedstat";
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        return 0;
    }
    unsigned long long nanos = 0;
    const int read = std::fscanf(file, "%llu", &nanos);
    std::fclose(file);
    return read == 1 ? static_cast<double>(nanos) / 1000.0 : 0;
}

double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The vertex of a "= D4" reply, lower-cased ("pass", "resign"), or empty for a failure.
std::string MoveOf(const std::string& reply) {
    if (reply.rfind("= ", 0) != 0) {
        return {};
    }
    std::string move = reply.substr(2, reply.find('\n') - 2);
    for (char& c : move) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return move;
}

// One game; false when an engine failed.
bool PlayGame(Player* black, Player* white) {
    for (Player* player : {black, white}) {
        for (const char* command : {"boardsize 19", "clear_board", "komi 7.5"}) {
            if (player->engine.Ask(command).rfind('=', 0) != 0) {
                return false;
            }
        }
    }
    int passes = 0;
    for (int turn = 0; turn < kMoveLimit && passes < 2; ++turn) {
        Player* mover = turn % 2 == 0 ? black : white;
        Player* other = turn % 2 == 0 ? white : black;
        const char* colour = turn % 2 == 0 ? "b" : "w";
        const auto wake = Clock::now();
        if (mover->engine.Ask("protocol_version").rfind('=', 0) != 0) {
            return false;
        }
        mover->wakeMicros.push_back(MicrosSince(wake));
        const double cpuBefore = CpuMicros(mover->engine.Pid());
        const auto start = Clock::now();
        const std::string move = MoveOf(mover->engine.Ask(std::string("genmove ") + colour));
        mover->micros.push_back(MicrosSince(start));
        mover->cpuMicros.push_back(CpuMicros(mover->engine.Pid()) - cpuBefore);
        if (move.empty()) {
            return false;
        }
        if (move == "resign") {
            return true;
        }
        passes = move == "pass" ? passes + 1 : 0;
        if (other->engine.Ask(std::string("play ") + colour + " " + move).rfind('=', 0) != 0) {
            return false;
        }
    }
    return true;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 0;
    int split = 2;
    while (split < argc && std::strcmp(argv[split], "--") != 0) {
        ++split;
    }
    if (games <= 0 || split <= 2 || split + 1 >= argc) {
        std::fprintf(stderr,
                     "usage: gtp_move_time games engine1 [arguments...] -- engine2 "
                     "[arguments...]\n");
        return 2;
    }
    argv[split] = nullptr;
    Player players[2] = {{argv + 2, {}, {}, {}, {}}, {argv + split + 1, {}, {}, {}, {}}};
    for (Player& player : players) {
        if (!player.engine.Start(player.command)) {
            std::fprintf(stderr, "cannot start %s\n", player.command[0]);
            return 1;
        }
    }
    for (int game = 0; game < games; ++game) {
        Player* black = &players[game % 2];
        Player* white = &players[1 - game % 2];
        if (!PlayGame(black, white)) {
            std::fprintf(stderr, "game %d: an engine failed or refused a move\n", game + 1);
            return 1;
        }
    }
    for (const Player& player : players) {
        std::printf(
            "%s: %zu moves, median %.0f us, 90th percentile %.0f us a move "
            "(processor time %.0f us, %.0f us); waking it with protocol_version: "
            "median %.0f us\n",
            player.command[0], player.micros.size(), Percentile(player.micros, 0.5),
            Percentile(player.micros, 0.9), Percentile(player.cpuMicros, 0.5),
            Percentile(player.cpuMicros, 0.9), Percentile(player.wakeMicros, 0.5));
    }
    std::printf("ratio of the medians (second / first): %.0f, of processor time: %.0f\n",
                Percentile(players[1].micros, 0.5) / Percentile(players[0].micros, 0.5),
                Percentile(players[1].cpuMicros, 0.5) / Percentile(players[0].cpuMicros, 0.5));
    return 0;
}
