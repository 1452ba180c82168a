// The time from starting a GTP engine to its first reply: the program is spawned with pipes,
// sent "genmove b", and timed until the reply's closing empty line has arrived.
//
// Usage: gtp_start [runs=50] engine [arguments...]
// Prints the fastest, median and slowest of the runs.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// One start: the microseconds to the first reply, or -1 when the engine failed.
double TimeFirstReply(char** command) {
    int toEngine[2];
    int fromEngine[2];
    if (pipe(toEngine) != 0 || pipe(fromEngine) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toEngine[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromEngine[1], 1);
    posix_spawn_file_actions_addclose(&actions, toEngine[1]);
    posix_spawn_file_actions_addclose(&actions, fromEngine[0]);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, command[0], &actions, nullptr, command, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toEngine[0]);
    close(fromEngine[1]);
    std::string reply;
    if (spawned == 0 && write(toEngine[1], "genmove b\n", 10) == 10) {
        char buffer[256];
        while (reply.find("\n\n") == std::string::npos) {
            const ssize_t got = read(fromEngine[0], buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            reply.append(buffer, static_cast<std::size_t>(got));
        }
    }
    const auto end = Clock::now();
    close(toEngine[1]);
    close(fromEngine[0]);
    if (spawned == 0) {
        waitpid(pid, nullptr, 0);
    }
    if (reply.rfind("= ", 0) != 0 || reply.find("\n\n") == std::string::npos) {
        return -1;
    }
    return std::chrono::duration<double, std::micro>(end - start).count();
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
