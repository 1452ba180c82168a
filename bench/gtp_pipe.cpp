#include "bench/gtp_pipe.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

GtpPipe::~GtpPipe() {
    if (toEngine_ >= 0) {
        close(toEngine_);
    }
    if (fromEngine_ >= 0) {
        close(fromEngine_);
    }
    if (pid_ > 0) {
        waitpid(pid_, nullptr, 0);
    }
}

bool GtpPipe::Start(char** command) {
    int toEngine[2];
    int fromEngine[2];
    if (pipe(toEngine) != 0) {
        return false;
    }
    if (pipe(fromEngine) != 0) {
        close(toEngine[0]);
        close(toEngine[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toEngine[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromEngine[1], 1);
    posix_spawn_file_actions_addclose(&actions, toEngine[1]);
    posix_spawn_file_actions_addclose(&actions, fromEngine[0]);
    const int spawned = posix_spawnp(&pid_, command[0], &actions, nullptr, command, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toEngine[0]);
    close(fromEngine[1]);
    toEngine_ = toEngine[1];
    fromEngine_ = fromEngine[0];
    if (spawned != 0) {
        pid_ = 0;
        return false;
    }
    return true;
}

std::string GtpPipe::Ask(const std::string& command) {
    const std::string line = command + "\n";
    if (write(toEngine_, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        return {};
    }
    char buffer[4096];
    std::size_t end;
    while ((end = pending_.find("\n\n")) == std::string::npos) {
        const ssize_t got = read(fromEngine_, buffer, sizeof buffer);
        if (got <= 0) {
            return {};
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
    std::string reply = pending_.substr(0, end + 1);
    pending_.erase(0, end + 2);
    return reply;
}
