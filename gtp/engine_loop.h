// The protocol's loop: command lines in, replies out.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "gtp/gtp_channel.h"
#include "gtp/session.h"

enum class LoopEnd {
    Quit,
    EndOfInput,
    // A reply could not be written: the controller has gone.
    OutputFailed,
};

// "=id text" or "?id message", ending in one empty line. A text that starts on a new line
// (showboard's) follows the '=' directly.
std::string FormatReply(std::string_view id, const GtpReply& reply);

// Answers every command line of the channel's input on its output, each reply put out whole,
// until quit has been answered or the input ends. Blank lines and comments get no reply.
LoopEnd RunEngineLoop(GtpChannel& channel, GtpSession& session);
// The same on C++ streams (tests, the fuzzer), flushing `out` after each reply.
LoopEnd RunEngineLoop(std::istream& in, std::ostream& out, GtpSession& session);
