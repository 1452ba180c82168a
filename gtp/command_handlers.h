// The handlers behind the dispatch table, and the error texts they answer with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gtp/session.h"

using Arguments = std::vector<std::string>;
using CommandHandler = GtpReply (*)(GtpSession& session, const Arguments& arguments);

inline constexpr std::string_view SyntaxError = "syntax error";
inline constexpr std::string_view IllegalMove = "illegal move";

// Moves: game_commands.cpp.
GtpReply PlayCommand(GtpSession& session, const Arguments& arguments);
GtpReply GenmoveCommand(GtpSession& session, const Arguments& arguments);
GtpReply RegGenmoveCommand(GtpSession& session, const Arguments& arguments);
GtpReply UndoCommand(GtpSession& session, const Arguments& arguments);
GtpReply FinalScoreCommand(GtpSession& session, const Arguments& arguments);
GtpReply ShowboardCommand(GtpSession& session, const Arguments& arguments);

// The board and the game's settings: setup_commands.cpp.
GtpReply BoardsizeCommand(GtpSession& session, const Arguments& arguments);
GtpReply ClearBoardCommand(GtpSession& session, const Arguments& arguments);
GtpReply KomiCommand(GtpSession& session, const Arguments& arguments);
GtpReply TimeSettingsCommand(GtpSession& session, const Arguments& arguments);
GtpReply TimeLeftCommand(GtpSession& session, const Arguments& arguments);

// Handicap stones: handicap_commands.cpp.
GtpReply FixedHandicapCommand(GtpSession& session, const Arguments& arguments);
GtpReply PlaceFreeHandicapCommand(GtpSession& session, const Arguments& arguments);
GtpReply SetFreeHandicapCommand(GtpSession& session, const Arguments& arguments);
