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
    const bool open = VisitNeighbours(
        x, y, [](int nx, int ny) { return StoneAt(nx, ny) != Position.MachineColor; });
    return open ? 0 : 1;
}

void ChooseMachineMove(int* x, int* y) {
    BestProposal best;
    // Only the human's liberties are refreshed; the machine's date from the last capture test.
    BuildLibertyMap(Position.HumanColor);
    for (Generator generate : Generators) {
        int gx = -1;
        int gy = -1;
        int value = NoValue;
        if (generate(&gx, &gy, &value) == 1) {
            best.Offer(gx, gy, value);
        }
    }
    *x = best.x;
    *y = best.y;
    if (best.value < 0 && FindRandomMove(x, y) == 0) {
        *x = -1;
        ++Position.MachinePasses;
        return;
    }
    Position.MachinePasses = 0;
}
