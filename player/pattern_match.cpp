#include "player/pattern_match.h"

#include <cstdint>
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
            return content == Empty && HasLiberties(x, y, Position.MachineColor, 2) == 1;
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

// The 24 points within two lines of an anchor, two bits each in the anchor's neighbourhood key:
// what the point holds, or off the board, which no element accepts.
constexpr int NearReach = 2;
enum NearContent : std::uint64_t {
    NearEmpty = 0,
    NearHuman = 1,
    NearMachine = 2,
    NearOffBoard = 3,
};

bool IsNear(int dx, int dy) {
    return (dx != 0 || dy != 0) && std::abs(dx) <= NearReach && std::abs(dy) <= NearReach;
}

int NearShift(int dx, int dy) {
    constexpr int Side = 2 * NearReach + 1;
    const int slot = (dx + NearReach) * Side + (dy + NearReach);
    return 2 * (slot > Side * Side / 2 ? slot - 1 : slot);
}

std::uint64_t ContentNeeded(int kind) {
    switch (kind) {
        case HumanStone:
        case HumanEdgeStone:
            return NearHuman;
        case MachineStone:
        case MachineEdgeStone:
            return NearMachine;
        default:
            return NearEmpty;
    }
}

// What one pattern in one orientation needs of the points near its anchor: the key, masked,
// must equal `needed`. Every match passes this test, so an orientation that fails it is left
// out without testing its elements one by one; the result is the same as testing them all.
struct NearFilter {
    std::uint64_t mask = 0;
    std::uint64_t needed = 0;
    int pattern = 0;
    int orientation = 0;
};

// Every pattern in each of its orientations, in the order they are tried.
struct NearFilters {
    NearFilter list[ShapePatternCount * PatternTransformCount];
    int count = 0;
};

NearFilters BuildNearFilters() {
    NearFilters filters;
    for (int p = 0; p < ShapePatternCount; ++p) {
        for (int t = 0; t < ShapePatterns[p].orientationCount; ++t) {
            const PatternTransform& transform = PatternTransforms[t];
            NearFilter& filter = filters.list[filters.count++];
            filter.pattern = p;
            filter.orientation = t;
            for (int e = 0; e < ShapePatterns[p].elementCount; ++e) {
                const PatternElement& element = ShapePatterns[p].elements[e];
                const int dx = transform.c * element.u + transform.d * element.v;
                const int dy = transform.a * element.u + transform.b * element.v;
                if (IsNear(dx, dy)) {
                    filter.mask |= std::uint64_t{3} << NearShift(dx, dy);
                    filter.needed |= ContentNeeded(element.kind) << NearShift(dx, dy);
                }
            }
        }
    }
    return filters;
}

std::uint64_t NearKey(int x, int y) {
    std::uint64_t key = 0;
    for (int dx = -NearReach; dx <= NearReach; ++dx) {
        for (int dy = -NearReach; dy <= NearReach; ++dy) {
            if (!IsNear(dx, dy)) {
                continue;
            }
            std::uint64_t content = NearOffBoard;
            if (IsOnBoard(x + dx, y + dy)) {
                const int stone = StoneAt(x + dx, y + dy);
                content = stone == Empty                 ? NearEmpty
                          : stone == Position.HumanColor ? NearHuman
                                                         : NearMachine;
            }
            key |= content << NearShift(dx, dy);
        }
    }
    return key;
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
    static const NearFilters filters = BuildNearFilters();
    const std::uint64_t key = NearKey(x, y);
    for (int f = 0; f < filters.count; ++f) {
        const NearFilter& filter = filters.list[f];
        if ((key & filter.mask) != filter.needed) {
            continue;
        }
        const int p = filter.pattern;
        int moveX = -1;
        int moveY = -1;
        int value =
            MatchOne(ShapePatterns[p], PatternTransforms[filter.orientation], x, y, &moveX, &moveY);
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
    return *bestValue > 0 ? 1 : 0;
}
