#include "player/capture_reading.h"

#include <cstring>

#include "player/move_choice.h"
#include "rules/liberties.h"
#include "rules/position.h"

namespace {

constexpr int AtariCaptureValue = 120;
// Groups with this many liberties or more are not attacked; it also bounds the liberty list.
constexpr int AttackedLibertiesLimit = 4;

bool IsListed(int x, int y, const int* libX, const int* libY, int count) {
    for (int i = 0; i < count; ++i) {
        if (libX[i] == x && libY[i] == y) {
            return true;
        }
    }
    return false;
}

// A pair is worth less than nothing once the escape reaches this many liberties, which no
// proposal starting from NoValue can take.
constexpr int WorthlessEscapeLiberties = 7;

// The value of the machine filling liberty a while the human escapes to liberty b. Only whether
// the machine's stone has 0, 1 or more liberties matters, and any escape to 7 or more is as
// worthless as its exact count, so both counts stop there.
int PairValue(int ax, int ay, int bx, int by) {
    const int machineLiberties = LibertiesUpTo(ax, ay, Position.MachineColor, 2);
    if (machineLiberties <= 0) {
        return NoValue;
    }
    SetStone(ax, ay, Position.MachineColor);
    const int escapeLiberties =
        LibertiesUpTo(bx, by, Position.HumanColor, WorthlessEscapeLiberties);
    SetStone(ax, ay, Empty);
    // A machine stone left in atari while the human can still escape is worth nothing.
    if (machineLiberties == 1 && escapeLiberties > 0) {
        return 0;
    }
    return (6 - escapeLiberties) * 20;
}

}  // namespace

void ClearReadMarks() {
    std::memset(Position.ReadMarks, 0, sizeof Position.ReadMarks);
}

int CollectLiberties(int x, int y, int* libX, int* libY, int color, int wanted, int* count) {
    Position.ReadMarks[PointIndex(x, y)] = 1;
    const bool complete = VisitNeighbours(x, y, [&](int nx, int ny) {
        const int content = StoneAt(nx, ny);
        if (content == Empty) {
            const bool isMachineKo = nx == Position.MachineKoX && ny == Position.MachineKoY;
            // A liberty next to several stones of the group is listed once, so the pairs read
            // below are always two different points.
            if (isMachineKo || IsListed(nx, ny, libX, libY, *count)) {
                return false;
            }
            libX[*count] = nx;
            libY[*count] = ny;
            return ++*count == wanted;
        }
        return content == color && Position.ReadMarks[PointIndex(nx, ny)] == 0 &&
               CollectLiberties(nx, ny, libX, libY, color, wanted, count) == 1;
    });
    return complete ? 1 : 0;
}

int FindCaptureMove(int* x, int* y, int* value) {
    BestProposal best;
    // The marks are cleared once for the whole scan. A group read again from another of its
    // stones lists the same liberties and so offers no pair worth more than its first reading
    // did; a stone its group's reading has marked is skipped, and a stone it has not marked
    // reads the group again past the marked ones, to the same or no list.
    ClearReadMarks();
    // A group without liberties has nothing to list (and the list never outgrows `wanted`, so
    // it fits).
    PointList attacked;
    SelectPoints(attacked, [](int i) {
        return (Position.Board[i] == Position.HumanColor) & (Position.LibertyMap[i] != 0) &
               (Position.LibertyMap[i] < AttackedLibertiesLimit);
    });
    for (int k = 0; k < attacked.count; ++k) {
        const int i = attacked.index[k];
        if (Position.ReadMarks[i] == 1) {
            continue;
        }
        const int wanted = Position.LibertyMap[i];
        int libX[AttackedLibertiesLimit - 1];
        int libY[AttackedLibertiesLimit - 1];
        int count = 0;
        if (CollectLiberties(PointX(i), PointY(i), libX, libY, Position.HumanColor, wanted,
                             &count) == 0) {
            continue;
        }
        if (wanted == 1) {
            best.Offer(libX[0], libY[0], AtariCaptureValue);
            continue;
        }
        for (int a = 0; a < wanted; ++a) {
            for (int b = 0; b < wanted; ++b) {
                if (a == b) {
                    continue;
                }
                best.Offer(libX[a], libY[a], PairValue(libX[a], libY[a], libX[b], libY[b]));
            }
        }
    }
    return best.Report(x, y, value);
}
