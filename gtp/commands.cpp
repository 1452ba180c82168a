#include "gtp/commands.h"

#include <algorithm>
#include <array>
#include <string>

#include "gtp/command_handlers.h"

namespace {

constexpr std::string_view ProtocolVersion = "2";

GtpReply AnswerText(const Arguments& arguments, std::string_view text) {
    if (!arguments.empty()) {
        return Failure(SyntaxError);
    }
    return Success(std::string(text));
}

GtpReply ProtocolVersionCommand(GtpSession&, const Arguments& arguments) {
    return AnswerText(arguments, ProtocolVersion);
}

GtpReply NameCommand(GtpSession&, const Arguments& arguments) {
    return AnswerText(arguments, ProgramName);
}

GtpReply VersionCommand(GtpSession&, const Arguments& arguments) {
    return AnswerText(arguments, ProgramVersion);
}

GtpReply KnownCommandCommand(GtpSession&, const Arguments& arguments) {
    if (arguments.size() != 1) {
        return Failure(SyntaxError);
    }
    return Success(IsKnownCommand(arguments[0]) ? "true" : "false");
}

GtpReply ListCommandsCommand(GtpSession&, const Arguments& arguments) {
    std::string list;
    for (std::string_view name : CommandNames()) {
        list += list.empty() ? "" : "\n";
        list += name;
    }
    return AnswerText(arguments, list);
}

// quit takes no arguments, but a controller that adds some still gets the program to stop.
GtpReply QuitCommand(GtpSession& session, const Arguments&) {
    session.quitRequested = true;
    return Success();
}

struct CommandEntry {
    std::string_view name;
    CommandHandler handler;
};

constexpr CommandEntry Commands[] = {
    {"protocol_version", ProtocolVersionCommand},
    {"name", NameCommand},
    {"version", VersionCommand},
    {"known_command", KnownCommandCommand},
    {"list_commands", ListCommandsCommand},
    {"quit", QuitCommand},
    {"boardsize", BoardsizeCommand},
    {"clear_board", ClearBoardCommand},
    {"komi", KomiCommand},
    {"play", PlayCommand},
    {"genmove", GenmoveCommand},
    {"reg_genmove", RegGenmoveCommand},
    {"undo", UndoCommand},
    {"showboard", ShowboardCommand},
    {"final_score", FinalScoreCommand},
    {"fixed_handicap", FixedHandicapCommand},
    {"place_free_handicap", PlaceFreeHandicapCommand},
    {"set_free_handicap", SetFreeHandicapCommand},
    {"time_settings", TimeSettingsCommand},
    {"time_left", TimeLeftCommand},
};

constexpr auto Names = [] {
    std::array<std::string_view, std::size(Commands)> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = Commands[i].name;
    }
    return names;
}();

}  // namespace

std::span<const std::string_view> CommandNames() {
    return Names;
}

bool IsKnownCommand(std::string_view name) {
    return std::find(Names.begin(), Names.end(), name) != Names.end();
}

GtpReply ExecuteCommand(GtpSession& session, const CommandLine& command) {
    if (command.name.empty()) {
        return Failure(SyntaxError);
    }
    for (const CommandEntry& entry : Commands) {
        if (entry.name == command.name) {
            return entry.handler(session, command.arguments);
        }
    }
    return Failure("unknown command");
}
