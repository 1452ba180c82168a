// The protocol's loop and line reader on C++ streams, for the tests and the fuzzer. Apart from
// the rest so that talvex-gtp, which uses file descriptors, links no stream code.
#include <istream>
#include <ostream>
#include <streambuf>

#include "gtp/command_line.h"
#include "gtp/engine_loop.h"

namespace {

class StreamChannel : public GtpChannel {
  public:
    StreamChannel(std::istream& in, std::ostream* out) : in_(in), out_(out) {}

    int Get() override {
        std::streambuf* buffer = in_.rdbuf();
        const auto next = buffer != nullptr ? buffer->sbumpc() : std::char_traits<char>::eof();
        if (next == std::char_traits<char>::eof()) {
            in_.setstate(buffer != nullptr ? std::ios::eofbit : std::ios::badbit);
            return -1;
        }
        return std::char_traits<char>::to_int_type(std::char_traits<char>::to_char_type(next));
    }

    bool Put(std::string_view reply) override {
        out_->write(reply.data(), static_cast<std::streamsize>(reply.size()));
        out_->flush();
        return static_cast<bool>(*out_);
    }

  private:
    std::istream& in_;
    std::ostream* out_;
};

}  // namespace

bool ReadCleanLine(std::istream& in, CleanLine& line) {
    StreamChannel channel(in, nullptr);
    return ReadCleanLine(channel, line);
}

LoopEnd RunEngineLoop(std::istream& in, std::ostream& out, GtpSession& session) {
    StreamChannel channel(in, &out);
    return RunEngineLoop(channel, session);
}
