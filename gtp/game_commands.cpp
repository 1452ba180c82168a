// play, genmove, reg_genmove, undo, final_score and showboard.
#include <optional>

#include "gtp/command_handlers.h"
#include "gtp/scoring.h"
#include "gtp/showboard.h"
#include "gtp/vertex.h"
#include "rules/legality.h"
#include "rules/play_turn.h"
#include "rules/position.h"

namespace {

std::optional<int> ColorArgument(const Arguments& arguments) {
    if (arguments.size() != 1) {
        return std::nullopt;
    }
    return ParseColor(arguments[0]);
}

}  // namespace

// A move of the human side: the colour named becomes the human's.
GtpReply PlayCommand(GtpSession& session, const Arguments& arguments) {
    if (arguments.size() != 2) {
        return Failure(SyntaxError);
    }
    const auto color = ParseColor(arguments[0]);
    const auto vertex = ParseVertex(arguments[1]);
    if (!color || !vertex) {
        return Failure(SyntaxError);
    }
    const SavedTurn before = session.Save();
    MakeHumanColor(*color);
    if (!vertex->IsPass()) {
        // IsForbiddenMove only judges an empty point.
        if (StoneAt(vertex->x, vertex->y) != Empty || IsForbiddenMove(vertex->x, vertex->y) == 1) {
            session.Restore(before);
            return Failure(IllegalMove);
        }
        PlayHumanStone(vertex->x, vertex->y);
    }
    session.history.Push(before);
    return Success();
}

// A move of the machine side: the colour named becomes the machine's.
GtpReply GenmoveCommand(GtpSession& session, const Arguments& arguments) {
    const auto color = ColorArgument(arguments);
    if (!color) {
        return Failure(SyntaxError);
    }
    const SavedTurn before = session.Save();
    const Vertex move = session.PlayMachineMove(*color);
    session.history.Push(before);
    return Success(FormatVertex(move));
}

// The move genmove would answer now; afterwards everything is as it was.
GtpReply RegGenmoveCommand(GtpSession& session, const Arguments& arguments) {
    const auto color = ColorArgument(arguments);
    if (!color) {
        return Failure(SyntaxError);
    }
    const SavedTurn before = session.Save();
    const Vertex move = session.PlayMachineMove(*color);
    session.Restore(before);
    return Success(FormatVertex(move));
}

GtpReply UndoCommand(GtpSession& session, const Arguments& arguments) {
    if (!arguments.empty()) {
        return Failure(SyntaxError);
    }
    SavedTurn turn;
    if (!session.history.Pop(turn)) {
        return Failure("cannot undo");
    }
    session.Restore(turn);
    return Success();
}

GtpReply FinalScoreCommand(GtpSession& session, const Arguments& arguments) {
    if (!arguments.empty()) {
        return Failure(SyntaxError);
    }
    return Success(FinalScore(session.komi));
}

GtpReply ShowboardCommand(GtpSession&, const Arguments& arguments) {
    if (!arguments.empty()) {
        return Failure(SyntaxError);
    }
    // The board starts on the line after the '=', so that its columns line up.
    std::string text = "\n" + BoardText();
    text.pop_back();
    return Success(std::move(text));
}
