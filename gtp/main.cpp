// talvex-gtp: the Go Text Protocol engine on standard input and output.
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

#include "gtp/commands.h"
#include "gtp/engine_loop.h"
#include "gtp/fd_channel.h"
#include "gtp/program_options.h"
#include "gtp/session.h"

namespace {

// A controller that ends the engine with SIGTERM gets a normal exit; every reply has already
// been flushed, so nothing is lost.
extern "C" void ExitOnTerm(int) {
    _exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ProgramOptions options = ParseProgramOptions(arguments);
    switch (options.action) {
        case ProgramOptions::Action::Help:
            std::fputs(UsageText().c_str(), stdout);
            return 0;
        case ProgramOptions::Action::Version:
            std::printf("talvex-gtp %.*s\n", static_cast<int>(ProgramVersion.size()),
                        ProgramVersion.data());
            return 0;
        case ProgramOptions::Action::Error:
            std::fprintf(stderr, "talvex-gtp: %s\nTry 'talvex-gtp --help'.\n",
                         options.error.c_str());
            return 2;
        case ProgramOptions::Action::Run:
            break;
    }

    std::signal(SIGTERM, ExitOnTerm);
    // A vanished controller shows as a failed write rather than killing the process.
    std::signal(SIGPIPE, SIG_IGN);

    GtpSession session(options.session);
    FdChannel channel(STDIN_FILENO, STDOUT_FILENO);
    if (RunEngineLoop(channel, session) == LoopEnd::OutputFailed) {
        std::fputs("talvex-gtp: cannot write to standard output\n", stderr);
        return 1;
    }
    return 0;
}
