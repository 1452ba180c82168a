#include "gtp/engine_loop.h"

#include "gtp/command_line.h"
#include "gtp/commands.h"

std::string FormatReply(std::string_view id, const GtpReply& reply) {
    std::string text(1, reply.success ? '=' : '?');
    text += id;
    if (!reply.text.empty() && reply.text.front() != '\n') {
        text += ' ';
    }
    text += reply.text;
    text += "\n\n";
    return text;
}

LoopEnd RunEngineLoop(GtpChannel& channel, GtpSession& session) {
    session.quitRequested = false;
    CleanLine line;
    while (ReadCleanLine(channel, line)) {
        if (IsBlank(line.text) && !line.tooLong) {
            continue;
        }
        const CommandLine command = SplitCommandLine(line.text);
        const GtpReply reply =
            line.tooLong ? Failure("line too long") : ExecuteCommand(session, command);
        if (!channel.Put(FormatReply(command.id, reply))) {
            return LoopEnd::OutputFailed;
        }
        if (session.quitRequested) {
            return LoopEnd::Quit;
        }
    }
    return LoopEnd::EndOfInput;
}
