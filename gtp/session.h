// The state of one protocol session on top of the engine's global game record.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "gtp/game_record.h"
#include "gtp/vertex.h"

// What a command answers: success with its text, or failure with the error message.
struct GtpReply {
    bool success = true;
    std::string text;
};

inline GtpReply Success(std::string text = {}) {
    return {true, std::move(text)};
}
inline GtpReply Failure(std::string_view message) {
    return {false, std::string(message)};
}

// The state a move is taken back to.
struct SavedTurn {
    EngineRecord engine;
    unsigned randomStream;
};

// The moves that undo can take back, newest last. Only the newest Limit are kept, so that a
// session of endless passes cannot use up the memory.
class MoveHistory {
  public:
    static constexpr std::size_t Limit = 10000;

    void Push(const SavedTurn& turn);
    // False when there is nothing to take back.
    bool Pop(SavedTurn& turn);
    void Clear() { turns_.clear(); }
    std::size_t Size() const { return turns_.size(); }

  private:
    std::deque<SavedTurn> turns_;
};

struct SessionOptions {
    // Seeds the machine's random choices instead of the clock, for repeatable games.
    std::optional<unsigned> seed;
};

// The engine keeps one game in global storage, so only one session may exist at a time.
class GtpSession {
  public:
    // Resets the engine's whole state and starts a new game, as clear_board does.
    explicit GtpSession(SessionOptions options = {});

    // ClearBoard and StartGameState, the human Black and the machine White, nothing to undo.
    // The machine does not move.
    void NewGame();

    // Plays the machine's move for `color` (swapping the sides when needed) and returns it.
    Vertex PlayMachineMove(int color);

    SavedTurn Save() const;
    void Restore(const SavedTurn& turn);

    double komi = 0;
    MoveHistory history;
    bool quitRequested = false;

  private:
    SessionOptions options_;
    // The seed of the machine's next move; part of the saved state, so that reg_genmove and an
    // undone genmove draw the same random numbers as the genmove that follows.
    unsigned randomStream_ = 0;
};
