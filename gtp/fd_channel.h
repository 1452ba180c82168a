// The program's channel: file descriptors read and written with plain system calls. C++ streams
// are left out of talvex-gtp on purpose: their set-up is a third of a statically linked
// engine's start, and a Go program may start an engine for every game.
#pragma once

#include <cstddef>

#include "gtp/gtp_channel.h"

class FdChannel : public GtpChannel {
  public:
    FdChannel(int inFd, int outFd) : inFd_(inFd), outFd_(outFd) {}

    int Get() override;
    bool Put(std::string_view reply) override;

  private:
    int inFd_;
    int outFd_;
    char buffer_[4096];
    std::size_t next_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
};
