#include "rules/liberties.h"

#include <algorithm>
#include <cstring>

#include "rules/position.h"

// The recursion is at most one level per stone of the group (361 at the very most), a few
// kilobytes of stack, which every thread that runs the engine has.
void CountLiberties(int x, int y, int color) {
    Position.LibertyMarks[PointIndex(x, y)] = 0;
    VisitNeighbours(x, y, [color](int nx, int ny) {
        const int i = PointIndex(nx, ny);
        if (Position.LibertyMarks[i] == 1) {
            if (Position.Board[i] == Empty) {
                ++Position.LibertyCount;
                Position.LibertyMarks[i] = 0;
            } else if (Position.Board[i] == color) {
                CountLiberties(nx, ny, color);
            }
        }
        return false;
    });
}

void CountGroupLiberties(int x, int y, int color) {
    std::memset(Position.LibertyMarks, 1, sizeof Position.LibertyMarks);
    CountLiberties(x, y, color);
}

int GroupLiberties(int x, int y, int color) {
    Position.LibertyCount = 0;
    CountGroupLiberties(x, y, color);
    return Position.LibertyCount;
}

void BuildLibertyMap(int color) {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (StoneAt(x, y) == color) {
                // A group on this board has at most 241 liberties; saturating keeps any group
                // that has liberties from ever reading as one without.
                const int liberties = GroupLiberties(x, y, color);
                Position.LibertyMap[PointIndex(x, y)] =
                    static_cast<std::uint8_t>(std::min(liberties, 255));
            }
        }
    }
}
