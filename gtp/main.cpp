// talvex-gtp: the Go Text Protocol engine on standard input and output.
#include <unistd.h>
#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "gtp/commands.h"
#include "gtp/engine_loop.h"
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
            std::cout << UsageText();
            return 0;
        case ProgramOptions::Action::Version:
            std::cout << "talvex-gtp " << ProgramVersion << '\n';
            return 0;
        case ProgramOptions::Action::Error:
            std::cerr << "talvex-gtp: " << options.error << "\nTry 'talvex-gtp --help'.\n";
            return 2;
        case ProgramOptions::Action::Run:
            break;
    }

    std::signal(SIGTERM, ExitOnTerm);
    // A vanished controller shows as a failed write rather than killing the process.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);

    GtpSession session(options.session);
    if (RunEngineLoop(std::cin, std::cout, session) == LoopEnd::OutputFailed) {
        std::cerr << "talvex-gtp: cannot write to standard output\n";
        return 1;
    }
    return 0;
}
