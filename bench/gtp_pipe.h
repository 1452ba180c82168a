// A GTP engine run as a child process with pipes to its standard input and output, for the
// benchmarks that time engines from outside, as a Go program drives them.
#pragma once

#include <sys/types.h>

#include <string>

class GtpPipe {
  public:
    GtpPipe() = default;
    GtpPipe(const GtpPipe&) = delete;
    GtpPipe& operator=(const GtpPipe&) = delete;
    ~GtpPipe();  // closes the pipes and waits for the engine

    // Starts command[0] with its arguments; false when it cannot be started.
    bool Start(char** command);
    // Sends one command line and reads the reply up to its closing empty line. The reply without
    // that line ("= E5\n"), or empty when the engine ended or answered nothing complete.
    std::string Ask(const std::string& command);
    // The engine's process, 0 before it started.
    pid_t Pid() const { return pid_; }

  private:
    pid_t pid_ = 0;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string pending_;  // bytes read past the last reply
};
