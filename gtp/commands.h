// The protocol's commands: the dispatch table and its entry point.
#pragma once

#include <span>
#include <string_view>

#include "gtp/command_line.h"
#include "gtp/session.h"

// The program's name and version, as name and version report them.
inline constexpr std::string_view ProgramName = "Talvex Go";
inline constexpr std::string_view ProgramVersion = "1.01";

// Runs one command on the session. A line with an id alone is a syntax error; a name that is
// not in the table is an unknown command.
GtpReply ExecuteCommand(GtpSession& session, const CommandLine& command);

// Every command's name, in the order list_commands gives them.
std::span<const std::string_view> CommandNames();

bool IsKnownCommand(std::string_view name);
