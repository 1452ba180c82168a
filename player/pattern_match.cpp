#include "player/pattern_match.h"

#include <cstdlib>

#include "player/move_choice.h"
#include "player/shape_patterns.h"
#include "rules/liberties.h"
#include "rules/position.h"

namespace {

bool IsOnEdge(int x, int y) {
    return x == 0 || x == BoardSize - 1 || y == 0 || y == BoardSize - 1;
}

bool ElementHolds(int kind, int x, int y) {
    const int content = StoneAt(x, y);
    switch (kind) {
        case EmptyPoint:
            return content == Empty;
        case HumanStone:
            return content == Position.HumanColor;
        case MachineStone:
            return content == Position.MachineColor;
        case MovePoint:
            return content == Empty && GroupLiberties(x, y, Position.MachineColor) >= 2;
        case EmptyEdgePoint:
            return content == Empty && IsOnEdge(x, y);
        case HumanEdgeStone:
            return content == Position.HumanColor && IsOnEdge(x, y);
        case MachineEdgeStone:
            return content == Position.MachineColor && IsOnEdge(x, y);
        default:
            return false;
    }
}

// The weight of `pattern` anchored at (x, y) in orientation `t`, with its move point, or NoValue
// when an element is off the board or does not hold.
int MatchOne(const ShapePattern& pattern, const PatternTransform& t, int x, int y, int* moveX,
             int* moveY) {
    for (int e = 0; e < pattern.elementCount; ++e) {
        const PatternElement& element = pattern.elements[e];
        const int ex = x + t.c * element.u + t.d * element.v;
        const int ey = y + t.a * element.u + t.b * element.v;
        if (!IsOnBoard(ex, ey) || !ElementHolds(element.kind, ex, ey)) {
            return NoValue;
        }
        if (element.kind == MovePoint) {
            *moveX = ex;
            *moveY = ey;
        }
    }
    return pattern.weight;
}

}  // namespace

int ExtensionLineCorrection(int coordinate) {
    const int distanceFromCentre = std::abs(coordinate - BoardSize / 2);
    if (distanceFromCentre >= 8) {
        return -1;
    }
    if (distanceFromCentre >= 6) {
        return 1;
    }
    return 0;
}

int MatchPatterns(int x, int y, int* bestX, int* bestY, int* bestValue) {
    *bestX = -1;
    *bestY = -1;
    *bestValue = NoValue;
    for (int p = 0; p < ShapePatternCount; ++p) {
        const ShapePattern& pattern = ShapePatterns[p];
        for (int t = 0; t < pattern.orientationCount; ++t) {
            int moveX = -1;
            int moveY = -1;
            int value = MatchOne(pattern, PatternTransforms[t], x, y, &moveX, &moveY);
            if (value == NoValue) {
                continue;
            }
            if (p >= FirstExtensionPattern && p <= LastExtensionPattern) {
                value += ExtensionLineCorrection(moveX) + ExtensionLineCorrection(moveY);
            }
            if (value > *bestValue) {
                *bestX = moveX;
                *bestY = moveY;
                *bestValue = value;
            }
        }
    }
    return *bestValue > 0 ? 1 : 0;
}
