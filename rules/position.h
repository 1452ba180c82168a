// The one game record that the rules and the computer player share, and the board's geometry.
#pragma once

#include <array>
#include <cstdint>

static_assert(sizeof(int) == 4, "game numbers are signed 32-bit integers");

// The content of one board point.
enum StoneColor : std::uint8_t {
    Empty = 0,
    White = 1,
    Black = 2,
};

constexpr int BoardSize = 19;
constexpr int PointCount = BoardSize * BoardSize;

// Grids are stored column by column: all 19 rows of column 0 first.
constexpr int PointIndex(int x, int y) {
    return x * BoardSize + y;
}

// The coordinates of a grid index: the inverse of PointIndex.
constexpr int PointX(int index) {
    return index / BoardSize;
}
constexpr int PointY(int index) {
    return index % BoardSize;
}

constexpr bool IsOnBoard(int x, int y) {
    return x >= 0 && x < BoardSize && y >= 0 && y < BoardSize;
}

// Neighbours are always visited left, right, up, down; this order decides ties between moves.
constexpr int NeighbourDx[4] = {-1, 1, 0, 0};
constexpr int NeighbourDy[4] = {0, 0, -1, 1};

// Calls visit(nx, ny) for each neighbour of (x, y) that lies on the board, in that order, until
// visit returns true. Returns true when it stopped early.
template <typename Visit>
bool VisitNeighbours(int x, int y, Visit visit) {
    for (int n = 0; n < 4; ++n) {
        const int nx = x + NeighbourDx[n];
        const int ny = y + NeighbourDy[n];
        if (IsOnBoard(nx, ny) && visit(nx, ny)) {
            return true;
        }
    }
    return false;
}

// The neighbours of one point as grid indices, in the visiting order above, for the walks over
// groups: they step from index to index without recomputing coordinates or board edges. A point
// on the edge has its own index in place of each missing neighbour, so that every walk step looks
// at exactly four points; a walk has always reached the point it steps from, so these entries
// change nothing.
struct PointNeighbours {
    std::int16_t index[4];
};

constexpr std::array<PointNeighbours, PointCount> NeighbourTable = [] {
    std::array<PointNeighbours, PointCount> table{};
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            PointNeighbours& entry = table[PointIndex(x, y)];
            int count = 0;
            for (int n = 0; n < 4; ++n) {
                if (IsOnBoard(x + NeighbourDx[n], y + NeighbourDy[n])) {
                    entry.index[count++] = static_cast<std::int16_t>(
                        PointIndex(x + NeighbourDx[n], y + NeighbourDy[n]));
                }
            }
            while (count < 4) {
                entry.index[count++] = static_cast<std::int16_t>(PointIndex(x, y));
            }
        }
    }
    return table;
}();

// The grid indices of the points for which holds(i) is true, in index order: the order of the
// scans over x, then y. The test runs for every point without a branch on its result, so that
// a scan for the few points that matter (stones without liberties, groups in danger) is not
// slowed by guesses at which points hold stones, which the processor cannot predict.
struct PointList {
    int count = 0;
    std::int16_t index[PointCount + 1];  // each point is written to the next free slot first
};

template <typename Holds>
void SelectPoints(PointList& list, Holds holds) {
    int count = 0;
    for (int i = 0; i < PointCount; ++i) {
        list.index[count] = static_cast<std::int16_t>(i);
        count += holds(i) ? 1 : 0;
    }
    list.count = count;
}

// Index of the opening flags: 0..3 corners not yet examined, 4 a corner sequence in progress,
// 5..8 side points not yet examined.
constexpr int OpeningFlagCount = 9;
constexpr int SequenceInProgressFlag = 4;

struct PositionRecord {
    std::uint8_t Board[PointCount];
    // Liberties of the group of each stone of the colour last mapped; other entries are stale.
    std::uint8_t LibertyMap[PointCount];
    // A point is reached by the current liberty count when its mark equals LibertyRound. Every
    // count starts a new round, so that no count has to reset all 361 marks; only a wrap of the
    // round does. A count also marks the other colour's stones it touches, which it neither
    // counts nor walks into either way.
    std::uint8_t LibertyMarks[PointCount];
    int LibertyCount;
    std::uint8_t LibertyRound;
    int MachineColor;
    int HumanColor;
    // Where the human's last stone took exactly one machine stone; -1, -1 when not set.
    int MachineKoX;
    int MachineKoY;
    // Where the machine's last stone took exactly one human stone; -1, -1 when not set.
    int HumanKoX;
    int HumanKoY;
    int OpeningFlags[OpeningFlagCount];
    int MachinePasses;
    int CapturedMachineStones;
    int CapturedHumanStones;
    int GameActive;
    // Visit marks of the computer player's group walks.
    std::uint8_t ReadMarks[PointCount];
};

// The game in progress. Zero at start; a new game is set up before any move is played.
extern PositionRecord Position;

inline int StoneAt(int x, int y) {
    return Position.Board[PointIndex(x, y)];
}
inline void SetStone(int x, int y, int color) {
    Position.Board[PointIndex(x, y)] = static_cast<std::uint8_t>(color);
}
