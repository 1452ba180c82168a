#include "gtp/fd_channel.h"

#include <unistd.h>
#include <cerrno>

int FdChannel::Get() {
    while (next_ == end_) {
        if (ended_) {
            return -1;
        }
        const ssize_t got = read(inFd_, buffer_, sizeof buffer_);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            // A read error ends the input like its end does: there is nothing more to answer.
            ended_ = true;
            return -1;
        }
        next_ = 0;
        end_ = static_cast<std::size_t>(got);
    }
    return static_cast<unsigned char>(buffer_[next_++]);
}

bool FdChannel::Put(std::string_view reply) {
    while (!reply.empty()) {
        const ssize_t written = write(outFd_, reply.data(), reply.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        reply.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}
