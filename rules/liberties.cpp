#include "rules/liberties.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

#include "rules/position.h"

namespace {

// A new round of marks, in which no point is reached yet.
void StartLibertyRound() {
    if (++Position.LibertyRound == 0) {
        std::memset(Position.LibertyMarks, 0, sizeof Position.LibertyMarks);
        Position.LibertyRound = 1;
    }
}

// The points a walk has entered, in order. One slot more than the board has points: every step
// writes its neighbour into the next free slot and only then decides whether to keep it.
using EnteredPoints = std::array<std::int16_t, PointCount + 1>;

// The count's walk from (x, y) in the current round, with a list of the points entered (the
// start and the color stones) instead of recursion. Each empty neighbour not yet reached is
// counted once; the walk stops early once LibertyCount reaches `enough` (a stone's last few
// neighbours may still be counted, so LibertyCount is capped at `enough` at the end). Returns how
// many points it entered into `entered`.
int WalkGroup(int x, int y, int color, EnteredPoints& entered,
              int enough = std::numeric_limits<int>::max()) {
    // Kept in locals while walking: the marks are bytes, which the compiler must assume may
    // overwrite any field of Position, so it would otherwise reload each one at every step.
    const std::uint8_t round = Position.LibertyRound;
    std::uint8_t* const marks = Position.LibertyMarks;
    const std::uint8_t* const board = Position.Board;
    int liberties = Position.LibertyCount;
    marks[PointIndex(x, y)] = round;
    entered[0] = static_cast<std::int16_t>(PointIndex(x, y));
    int count = 1;
    for (int next = 0; next < count && liberties < enough; ++next) {
        // Without a branch on what each neighbour holds: the board's contents are what the
        // processor cannot predict, and a reply usually runs with its predictors cold. Every
        // neighbour is marked as reached; one of the other colour is never counted or entered
        // either way.
        for (const std::int16_t i : NeighbourTable[entered[next]].index) {
            const int unreached = marks[i] != round ? 1 : 0;
            const int content = board[i];
            marks[i] = round;
            liberties += unreached & (content == Empty ? 1 : 0);
            entered[count] = i;
            count += unreached & (content == color ? 1 : 0);
        }
    }
    Position.LibertyCount = std::min(liberties, enough);
    return count;
}

}  // namespace

void CountLiberties(int x, int y, int color) {
    EnteredPoints entered;
    WalkGroup(x, y, color, entered);
}

void CountGroupLiberties(int x, int y, int color) {
    StartLibertyRound();
    CountLiberties(x, y, color);
}

int GroupLiberties(int x, int y, int color) {
    Position.LibertyCount = 0;
    CountGroupLiberties(x, y, color);
    return Position.LibertyCount;
}

int LibertiesUpTo(int x, int y, int color, int cap) {
    Position.LibertyCount = 0;
    StartLibertyRound();
    EnteredPoints entered;
    WalkGroup(x, y, color, entered, cap);
    return Position.LibertyCount;
}

int HasLiberties(int x, int y, int color, int wanted) {
    return LibertiesUpTo(x, y, color, wanted) >= wanted ? 1 : 0;
}

// Every stone of a group has the group's count, so one walk per group, from its first stone in
// scan order, fills the entries of all its stones. LibertyCount and LibertyMarks are left as
// that last walk left them, not as the walk of the last stone in scan order; no caller reads
// them before counting again.
void BuildLibertyMap(int color) {
    // The stones whose group is still to be walked. Filled without a branch per point, so that
    // the scan below branches only at each group's first stone: which points hold stones is
    // what the processor cannot predict.
    std::uint8_t waiting[PointCount];
    for (int i = 0; i < PointCount; ++i) {
        waiting[i] = Position.Board[i] == color ? 1 : 0;
    }
    EnteredPoints group;
    for (int i = 0; i < PointCount; ++i) {
        if (waiting[i] == 0) {
            continue;
        }
        Position.LibertyCount = 0;
        StartLibertyRound();
        const int size = WalkGroup(PointX(i), PointY(i), color, group);
        // A group on this board has at most 241 liberties; saturating keeps any group that has
        // liberties from ever reading as one without.
        const auto liberties = static_cast<std::uint8_t>(std::min(Position.LibertyCount, 255));
        for (int k = 0; k < size; ++k) {
            Position.LibertyMap[group[k]] = liberties;
            waiting[group[k]] = 0;
        }
    }
}
