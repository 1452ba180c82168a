#include "player/rescue_reading.h"

#include "player/capture_reading.h"
#include "player/move_choice.h"
#include "rules/liberties.h"
#include "rules/position.h"

namespace {

// Groups with this many liberties or more need no rescue.
constexpr int RescuedLibertiesLimit = 4;

}  // namespace

int ExtensionValue(int n, int groupLiberties) {
    if (n <= groupLiberties) {
        return NoValue;
    }
    const int cube = groupLiberties * groupLiberties * groupLiberties;
    return 40 + (50 * (n - groupLiberties - 1)) / cube;
}

int FindBestExtension(int x, int y, int* bestX, int* bestY, int* bestValue, int groupLiberties) {
    BestProposal best;
    Position.ReadMarks[PointIndex(x, y)] = 1;
    VisitNeighbours(x, y, [&](int nx, int ny) {
        int cx = nx;
        int cy = ny;
        int candidate = NoValue;
        const int content = StoneAt(nx, ny);
        if (content == Empty) {
            candidate =
                ExtensionValue(GroupLiberties(nx, ny, Position.MachineColor), groupLiberties);
        } else if (content != Position.MachineColor ||
                   Position.ReadMarks[PointIndex(nx, ny)] != 0 ||
                   FindBestExtension(nx, ny, &cx, &cy, &candidate, groupLiberties) != 1) {
            // A human stone, a stone already walked, or a branch with nothing to offer.
            return false;
        }
        // The machine never fills its own eye.
        if (IsMachineEye(cx, cy) == 0) {
            best.Offer(cx, cy, candidate);
        }
        return false;
    });
    return best.Report(bestX, bestY, bestValue);
}

int FindRescueMove(int* x, int* y, int* value) {
    BestProposal best;
    PointList endangered;
    SelectPoints(endangered, [](int i) {
        return (Position.Board[i] == Position.MachineColor) &
               (Position.LibertyMap[i] < RescuedLibertiesLimit);
    });
    for (int liberties = 1; liberties < RescuedLibertiesLimit; ++liberties) {
        // The marks are cleared once for each liberty count. A reading walks and marks the whole
        // group, and a group read again with the same count finds the same best value, which
        // cannot win a second time: its marked stones are skipped.
        ClearReadMarks();
        for (int k = 0; k < endangered.count; ++k) {
            const int i = endangered.index[k];
            if (Position.LibertyMap[i] != liberties || Position.ReadMarks[i] == 1) {
                continue;
            }
            int ex = -1;
            int ey = -1;
            int extension = NoValue;
            if (FindBestExtension(PointX(i), PointY(i), &ex, &ey, &extension, liberties) == 1) {
                best.Offer(ex, ey, extension);
            }
        }
    }
    return best.Report(x, y, value);
}
