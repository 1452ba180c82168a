#include "player/opening_play.h"

#include <algorithm>
#include <cstdlib>

#include "player/move_choice.h"
#include "player/opening_tree.h"
#include "player/pattern_match.h"
#include "rules/liberties.h"
#include "rules/position.h"

int OpeningCorner = 0;
int OpeningNode = 0;

namespace {

constexpr int OpeningValue = 80;

struct Area {
    int x1;
    int y1;
    int x2;
    int y2;
};

// Corner c is examined over its area; the tree's top-left points are mirrored into it.
struct Corner {
    Area area;
    bool mirrorX;
    bool mirrorY;
};

constexpr Corner Corners[4] = {
    {{0, 0, 5, 5}, false, false},
    {{13, 0, 18, 5}, true, false},
    {{0, 13, 5, 18}, false, true},
    {{13, 13, 18, 18}, true, true},
};

struct SidePoint {
    Area area;
    int x;
    int y;
};

constexpr SidePoint SidePoints[4] = {
    {{0, 6, 4, 11}, 3, 9},
    {{14, 6, 18, 11}, 15, 9},
    {{6, 0, 11, 4}, 9, 3},
    {{6, 14, 11, 18}, 9, 15},
};
constexpr int FirstSidePointFlag = 5;

bool IsAreaEmpty(const Area& area) {
    return RegionIsEmpty(area.x1, area.y1, area.x2, area.y2);
}

// A machine stone on the sequence's next point must keep a liberty: a point that is taken, or
// that the human has since surrounded, drops the sequence.
bool IsPlayableSequencePoint(int x, int y) {
    return StoneAt(x, y) == Empty && HasLiberties(x, y, Position.MachineColor, 1) == 1;
}

int ContinueSequence(int* x, int* y) {
    int* flags = Position.OpeningFlags;
    if (flags[SequenceInProgressFlag] != 1) {
        return 0;
    }
    flags[SequenceInProgressFlag] = 0;
    if (NextOpeningPoint(x, y, &OpeningNode, OpeningCorner) == 1) {
        flags[SequenceInProgressFlag] = 1;
    }
    if (IsPlayableSequencePoint(*x, *y)) {
        return 1;
    }
    flags[SequenceInProgressFlag] = 0;
    return 0;
}

int StartCornerSequence(int* x, int* y) {
    int* flags = Position.OpeningFlags;
    for (int c = 0; c < 4; ++c) {
        if (flags[c] != 1) {
            continue;
        }
        flags[c] = 0;
        if (!IsAreaEmpty(Corners[c].area)) {
            continue;
        }
        OpeningNode = 0;
        OpeningCorner = c;
        // The first call steps off the root, whose point is never played; the second writes
        // the sequence's first point, which lies inside the empty area.
        NextOpeningPoint(x, y, &OpeningNode, OpeningCorner);
        if (NextOpeningPoint(x, y, &OpeningNode, OpeningCorner) == 1) {
            flags[SequenceInProgressFlag] = 1;
        }
        return 1;
    }
    return 0;
}

int TakeSidePoint(int* x, int* y) {
    int* flags = Position.OpeningFlags;
    for (int s = 0; s < 4; ++s) {
        const int flag = FirstSidePointFlag + s;
        if (flags[flag] != 1) {
            continue;
        }
        flags[flag] = 0;
        if (IsAreaEmpty(SidePoints[s].area)) {
            *x = SidePoints[s].x;
            *y = SidePoints[s].y;
            return 1;
        }
    }
    return 0;
}

int FindPatternMove(int* x, int* y, int* value) {
    BestProposal best;
    PointList anchors;
    SelectPoints(anchors, [](int i) { return Position.Board[i] == Position.MachineColor; });
    for (int k = 0; k < anchors.count; ++k) {
        int mx = -1;
        int my = -1;
        int matched = NoValue;
        if (MatchPatterns(PointX(anchors.index[k]), PointY(anchors.index[k]), &mx, &my, &matched) ==
            1) {
            best.Offer(mx, my, matched);
        }
    }
    return best.Report(x, y, value);
}

}  // namespace

int NextOpeningPoint(int* x, int* y, int* node, int corner) {
    const OpeningTreeNode& current = OpeningTree[*node];
    *x = Corners[corner].mirrorX ? BoardSize - 1 - current.x : current.x;
    *y = Corners[corner].mirrorY ? BoardSize - 1 - current.y : current.y;
    if (current.successorCount == 0) {
        return 0;
    }
    *node = current.successors[std::rand() % current.successorCount];
    return 1;
}

int RegionIsEmpty(int x1, int y1, int x2, int y2) {
    for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
        for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
            if (StoneAt(x, y) != Empty) {
                return 0;
            }
        }
    }
    return 1;
}

int FindOpeningOrPatternMove(int* x, int* y, int* value) {
    if (ContinueSequence(x, y) == 1 || StartCornerSequence(x, y) == 1 || TakeSidePoint(x, y) == 1) {
        *value = OpeningValue;
        return 1;
    }
    return FindPatternMove(x, y, value);
}
