#include "tests/support/gtp_test_support.h"

#include <sstream>

#include "gtp/engine_loop.h"

std::string RunScript(GtpSession& session, std::string_view script) {
    std::istringstream in{std::string(script)};
    std::ostringstream out;
    RunEngineLoop(in, out, session);
    return out.str();
}

std::string Ask(GtpSession& session, std::string_view line) {
    std::string reply = RunScript(session, std::string(line) + "\n");
    EXPECT_TRUE(reply.ends_with("\n\n")) << reply;
    reply.resize(reply.size() >= 2 ? reply.size() - 2 : 0);
    return reply;
}
