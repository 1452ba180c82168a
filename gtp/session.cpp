#include "gtp/session.h"

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "player/opening_play.h"
#include "rules/game_setup.h"
#include "rules/play_turn.h"
#include "rules/position.h"

namespace {

// A bijective mix of 32 bits (the "lowbias32" hash): neighbouring streams give unrelated seeds.
unsigned NextStream(unsigned stream) {
    stream += 0x9E3779B9u;
    stream ^= stream >> 16;
    stream *= 0x7FEB352Du;
    stream ^= stream >> 15;
    stream *= 0x846CA68Bu;
    stream ^= stream >> 16;
    return stream;
}

}  // namespace

void MoveHistory::Push(const SavedTurn& turn) {
    if (turns_.size() == Limit) {
        turns_.pop_front();
    }
    turns_.push_back(turn);
}

bool MoveHistory::Pop(SavedTurn& turn) {
    if (turns_.empty()) {
        return false;
    }
    turn = turns_.back();
    turns_.pop_back();
    return true;
}

GtpSession::GtpSession(SessionOptions options) : options_(options) {
    std::memset(&Position, 0, sizeof Position);
    OpeningCorner = 0;
    OpeningNode = 0;
    NewGame();
}

void GtpSession::NewGame() {
    ClearBoard();
    StartGameState();
    Position.HumanColor = Black;
    Position.MachineColor = White;
    randomStream_ = options_.seed ? *options_.seed : ClockSeed(std::chrono::system_clock::now());
    std::srand(randomStream_);
    history.Clear();
}

Vertex GtpSession::PlayMachineMove(int color) {
    MakeMachineColor(color);
    std::srand(randomStream_);
    randomStream_ = NextStream(randomStream_);
    Vertex move;
    PlayMachineReply(&move.x, &move.y);
    if (move.x < 0) {
        return PassVertex;
    }
    return move;
}

SavedTurn GtpSession::Save() const {
    return {SaveEngine(), randomStream_};
}

void GtpSession::Restore(const SavedTurn& turn) {
    RestoreEngine(turn.engine);
    randomStream_ = turn.randomStream;
}
