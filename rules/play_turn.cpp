#include "rules/play_turn.h"

#include "player/move_choice.h"
#include "rules/legality.h"
#include "rules/position.h"

namespace {

// Two machine passes in a row end the game, whatever the human did in between.
constexpr int PassesThatEndTheGame = 2;

}  // namespace

int PlaceMachineMove(int* x, int* y) {
    ChooseMachineMove(x, y);
    if (*x < 0) {
        return 0;
    }
    SetStone(*x, *y, Position.MachineColor);
    return 1;
}

void PlayHumanStone(int x, int y) {
    SetStone(x, y, Position.HumanColor);
    // Also refreshes LibertyMap for the machine stones, which the move choice reads.
    RemoveDeadStones(Position.MachineColor);
}

void PlayMachineReply(int* x, int* y) {
    if (Position.MachinePasses != PassesThatEndTheGame && PlaceMachineMove(x, y) == 1) {
        RemoveDeadStones(Position.HumanColor);
    }
    if (Position.MachinePasses == PassesThatEndTheGame) {
        Position.GameActive = 0;
    }
}

void PlayTurn(int* x, int* y, int humanPasses) {
    if (Position.GameActive > 0) {
        if (humanPasses == 0) {
            PlayHumanStone(*x, *y);
        }
        PlayMachineReply(x, y);
    } else if (Position.MachinePasses == PassesThatEndTheGame) {
        Position.GameActive = 0;
    }
}
