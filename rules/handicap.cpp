#include "rules/handicap.h"

#include <algorithm>

#include "rules/position.h"

namespace {

struct Point {
    int x;
    int y;
};

// The stones of handicap n are those of a smaller handicap, `base`, followed by the ones added
// at n. Five and seven add the centre to four and six, which add side points instead.
struct HandicapStep {
    int base;
    int addedCount;
    Point added[2];
};

// Step n - 1 for each n from 1 to 17.
constexpr HandicapStep HandicapSteps[MaxHandicap] = {
    {0, 1, {{3, 3}}},           // 1
    {1, 1, {{15, 15}}},         // 2
    {2, 1, {{3, 15}}},          // 3
    {3, 1, {{15, 3}}},          // 4
    {4, 1, {{9, 9}}},           // 5
    {4, 2, {{9, 15}, {9, 3}}},  // 6
    {6, 1, {{9, 9}}},           // 7
    {6, 2, {{15, 9}, {3, 9}}},  // 8
    {8, 1, {{9, 9}}},           // 9
    {9, 1, {{2, 2}}},           // 10
    {10, 1, {{16, 16}}},        // 11
    {11, 1, {{2, 16}}},         // 12
    {12, 1, {{16, 2}}},         // 13
    {13, 1, {{6, 6}}},          // 14
    {14, 1, {{12, 12}}},        // 15
    {15, 1, {{6, 12}}},         // 16
    {16, 1, {{12, 6}}},         // 17
};

// Each step rests on a smaller handicap and brings it to exactly n stones, so the list below
// ends and fits in MaxHandicap points.
constexpr bool StepsAddUp() {
    for (int n = 1; n <= MaxHandicap; ++n) {
        const HandicapStep& step = HandicapSteps[n - 1];
        if (step.base < 0 || step.base >= n || step.base + step.addedCount != n) {
            return false;
        }
    }
    return true;
}
static_assert(StepsAddUp());

// Writes the n stones of handicap n to `points` in the order they are placed; returns n.
int ListStones(int n, Point* points) {
    if (n == 0) {
        return 0;
    }
    const HandicapStep& step = HandicapSteps[n - 1];
    int count = ListStones(step.base, points);
    for (int i = 0; i < step.addedCount; ++i) {
        points[count++] = step.added[i];
    }
    return count;
}

}  // namespace

void PlaceHandicapStones(int n) {
    if (n <= 0) {
        return;
    }
    n = std::min(n, MaxHandicap);
    Point points[MaxHandicap];
    const int count = ListStones(n, points);
    for (int i = 0; i < count; ++i) {
        SetStone(points[i].x, points[i].y, Black);
    }
}
