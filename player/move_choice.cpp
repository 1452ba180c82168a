#include "player/move_choice.h"

#include "player/capture_reading.h"
#include "player/opening_play.h"
#include "player/random_search.h"
#include "player/rescue_reading.h"
#include "rules/liberties.h"
#include "rules/position.h"

namespace {

using Generator = int (*)(int* x, int* y, int* value);

// Asked in this order; a later proposal wins only with a strictly greater value. All are
// always asked, as the opening generator advances its sequence on every call.
constexpr Generator Generators[] = {FindCaptureMove, FindRescueMove, FindOpeningOrPatternMove};

}  // namespace

int IsMachineEye(int x, int y) {
    for (int n = 0; n < 4; ++n) {
        const int nx = x + NeighbourDx[n];
        const int ny = y + NeighbourDy[n];
        if (IsOnBoard(nx, ny) && StoneAt(nx, ny) != Position.MachineColor) {
            return 0;
        }
    }
    return 1;
}

void ChooseMachineMove(int* x, int* y) {
    *x = -1;
    *y = -1;
    int best = NoValue;
    // Only the human's liberties are refreshed; the machine's date from the last capture test.
    BuildLibertyMap(Position.HumanColor);
    for (Generator generate : Generators) {
        int gx = -1;
        int gy = -1;
        int value = NoValue;
        if (generate(&gx, &gy, &value) == 1 && value > best) {
            *x = gx;
            *y = gy;
            best = value;
        }
    }
    if (best < 0 && FindRandomMove(x, y) == 0) {
        *x = -1;
        ++Position.MachinePasses;
        return;
    }
    Position.MachinePasses = 0;
}
