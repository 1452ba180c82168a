// boardsize, clear_board, komi, time_settings and time_left.
#include "gtp/command_handlers.h"
#include "gtp/numbers.h"
#include "gtp/vertex.h"
#include "rules/position.h"

GtpReply BoardsizeCommand(GtpSession& session, const Arguments& arguments) {
    const auto size = arguments.size() == 1 ? ParseCount(arguments[0]) : std::nullopt;
    if (!size) {
        return Failure(SyntaxError);
    }
    if (*size != BoardSize) {
        return Failure("unacceptable size");
    }
    session.NewGame();
    return Success();
}

GtpReply ClearBoardCommand(GtpSession& session, const Arguments& arguments) {
    if (!arguments.empty()) {
        return Failure(SyntaxError);
    }
    session.NewGame();
    return Success();
}

// Any finite value; it is kept for final_score and survives clear_board.
GtpReply KomiCommand(GtpSession& session, const Arguments& arguments) {
    const auto komi = arguments.size() == 1 ? ParseFloat(arguments[0]) : std::nullopt;
    if (!komi) {
        return Failure(SyntaxError);
    }
    session.komi = *komi;
    return Success();
}

// The computer player answers at once, so the clock is checked and then ignored.
GtpReply TimeSettingsCommand(GtpSession&, const Arguments& arguments) {
    if (arguments.size() != 3 || !ParseCount(arguments[0]) || !ParseCount(arguments[1]) ||
        !ParseCount(arguments[2])) {
        return Failure(SyntaxError);
    }
    return Success();
}

GtpReply TimeLeftCommand(GtpSession&, const Arguments& arguments) {
    if (arguments.size() != 3 || !ParseColor(arguments[0]) || !ParseCount(arguments[1]) ||
        !ParseCount(arguments[2])) {
        return Failure(SyntaxError);
    }
    return Success();
}
