// The time from starting a GTP engine to its first reply: the program is spawned with pipes,
// sent "genmove b", and timed until the reply's closing empty line has arrived.
//
// Usage: gtp_start [runs=50] engine [arguments...]
// Prints the fastest, median and slowest of the runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/gtp_pipe.h"

namespace {

using Clock = std::chrono::steady_clock;

// One start: the microseconds to the first reply, or -1 when the engine failed.
double TimeFirstReply(char** command) {
    const auto start = Clock::now();
    GtpPipe engine;
    if (!engine.Start(command) || engine.Ask("genmove b").rfind("= ", 0) != 0) {
        return -1;
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const bool hasRuns = argc > 1 && std::atoi(argv[1]) > 0;
    const int runs = hasRuns ? std::atoi(argv[1]) : 50;
    char** command = argv + (hasRuns ? 2 : 1);
    if (*command == nullptr) {
        std::fprintf(stderr, "usage: gtp_start [runs] engine [arguments...]\n");
        return 2;
    }
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double micros = TimeFirstReply(command);
        if (micros < 0) {
            std::fprintf(stderr, "%s gave no first reply to genmove\n", command[0]);
            return 1;
        }
        times.push_back(micros);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "start to first reply: fastest %.0f us, median %.0f us, slowest %.0f us (%d runs)\n",
        times.front(), times[times.size() / 2], times.back(), runs);
    return 0;
}
