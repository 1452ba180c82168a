#include "gtp/program_options.h"

#include <charconv>
#include <limits>

namespace {

constexpr std::string_view SeedOption = "--seed";

ProgramOptions Error(std::string message) {
    ProgramOptions options;
    options.action = ProgramOptions::Action::Error;
    options.error = std::move(message);
    return options;
}

bool ParseSeed(std::string_view text, unsigned* seed) {
    unsigned long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end ||
        value > std::numeric_limits<unsigned>::max()) {
        return false;
    }
    *seed = static_cast<unsigned>(value);
    return true;
}

}  // namespace

ProgramOptions ParseProgramOptions(std::span<const std::string_view> arguments) {
    ProgramOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.action = ProgramOptions::Action::Help;
            return options;
        }
        if (argument == "--version") {
            options.action = ProgramOptions::Action::Version;
            return options;
        }
        std::string_view value;
        if (argument == SeedOption) {
            if (i + 1 == arguments.size()) {
                return Error("--seed needs a number");
            }
            value = arguments[++i];
        } else if (argument.starts_with("--seed=")) {
            value = argument.substr(SeedOption.size() + 1);
        } else {
            return Error("unknown option '" + std::string(argument) + "'");
        }
        unsigned seed = 0;
        if (!ParseSeed(value, &seed)) {
            return Error("--seed needs a number from 0 to 4294967295, not '" + std::string(value) +
                         "'");
        }
        options.session.seed = seed;
    }
    return options;
}

std::string UsageText() {
    return "Usage: talvex-gtp [--seed N]\n"
           "The Talvex Go computer player as a Go Text Protocol (version 2) engine on standard\n"
           "input and output, for Go programs such as GoGui or Sabaki (19x19 only).\n"
           "\n"
           "  --seed N    seed the computer player's random choices with N (0 to 4294967295)\n"
           "              at every new game instead of the clock: the same commands then give\n"
           "              the same moves\n"
           "  --help      show this text and exit\n"
           "  --version   show the version and exit\n";
}
