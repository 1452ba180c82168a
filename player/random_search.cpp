#include "player/random_search.h"

#include <cstdlib>

#include "player/move_choice.h"
#include "rules/liberties.h"
#include "rules/position.h"

namespace {

int DrawRandomLine() {
    return std::rand() % BoardSize;
}

}  // namespace

int DrawCoordinate() {
    int r = DrawRandomLine();
    if ((r >= 2 && r <= 5) || (r >= 13 && r <= 16)) {
        return r;
    }
    r = DrawRandomLine();
    if (r >= 2 && r <= 16) {
        return r;
    }
    return DrawRandomLine();
}

int FindRandomMove(int* x, int* y) {
    for (int tries = 0;;) {
        const int rx = DrawCoordinate();
        const int ry = DrawCoordinate();
        // The point of the last try is drawn but never examined.
        if (++tries == RandomSearchTries) {
            return 0;
        }
        // The liberties are counted only for an empty point, the one case that reads them.
        if (StoneAt(rx, ry) != Empty || HasLiberties(rx, ry, Position.MachineColor, 2) == 0 ||
            IsMachineEye(rx, ry) == 1) {
            continue;
        }
        *x = rx;
        *y = ry;
        return 1;
    }
}
