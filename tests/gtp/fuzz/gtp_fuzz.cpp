// Feeds arbitrary bytes to a fresh session as its command input; the replies are discarded.
// Any crash, hang or sanitizer report is a fault.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "gtp/engine_loop.h"
#include "gtp/session.h"

namespace {

// Discards everything written to it without keeping a copy.
class NullBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    NullBuffer discard;
    std::ostream out(&discard);
    // A fixed seed keeps every input's run repeatable; the session resets the whole game.
    GtpSession session(SessionOptions{.seed = 1});
    RunEngineLoop(in, out, session);
    return 0;
}
