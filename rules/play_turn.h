// One whole turn: the human's stone or pass, then the machine's reply.
#pragma once

// Plays the human's stone on (*x, *y), or a pass when humanPasses is non-zero, removes the
// captured machine stones, then lets the machine reply. On return *x, *y hold the reply
// (*x is -1 when the machine passed). Nothing is played when the game is over.
// For a stone the caller has checked that the point is empty and IsForbiddenMove allows it.
void PlayTurn(int* x, int* y, int humanPasses);

// The human half of a turn: the human's stone on (x, y) and the machine stones it takes. The
// caller has checked that the point is empty and IsForbiddenMove allows it.
void PlayHumanStone(int x, int y);

// The machine half of a turn: its move and the human stones it takes; *x is -1 when it passed.
// The machine's second pass in a row ends the game; once ended, nothing is played here.
void PlayMachineReply(int* x, int* y);

// Lets the machine choose its move and puts its stone down, without looking at captures.
// Returns 1 with the point in *x, *y, or 0 when the machine passes (*x is -1).
int PlaceMachineMove(int* x, int* y);
