// The command line of talvex-gtp.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "gtp/session.h"

struct ProgramOptions {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    SessionOptions session;
    // What went wrong, for Action::Error.
    std::string error;
};

// Reads the arguments after the program's name: --seed N (or --seed=N), --help, --version.
ProgramOptions ParseProgramOptions(std::span<const std::string_view> arguments);

// The text --help prints.
std::string UsageText();
