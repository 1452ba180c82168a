#include "gtp/scoring.h"

#include <array>
#include <vector>

#include "gtp/numbers.h"
#include "rules/position.h"

namespace {

// The bits of the colours that border one empty region.
constexpr int BordersBlack = 1;
constexpr int BordersWhite = 2;

// Walks the empty region of (x, y) with an explicit stack, marking it in `seen`. Returns the
// number of its points and adds the colours around it to *borders.
int WalkRegion(int x, int y, std::array<bool, PointCount>& seen, int* borders) {
    std::vector<int> stack{PointIndex(x, y)};
    seen[PointIndex(x, y)] = true;
    int size = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ++size;
        VisitNeighbours(PointX(i), PointY(i), [&](int nx, int ny) {
            const int n = PointIndex(nx, ny);
            const int content = Position.Board[n];
            if (content == Black) {
                *borders |= BordersBlack;
            } else if (content == White) {
                *borders |= BordersWhite;
            } else if (!seen[n]) {
                seen[n] = true;
                stack.push_back(n);
            }
            return false;
        });
    }
    return size;
}

}  // namespace

AreaCount CountArea() {
    AreaCount count;
    std::array<bool, PointCount> seen{};
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const int content = StoneAt(x, y);
            if (content == Black) {
                ++count.black;
            } else if (content == White) {
                ++count.white;
            } else if (!seen[PointIndex(x, y)]) {
                int borders = 0;
                const int size = WalkRegion(x, y, seen, &borders);
                if (borders == BordersBlack) {
                    count.black += size;
                } else if (borders == BordersWhite) {
                    count.white += size;
                }
            }
        }
    }
    return count;
}

std::string FormatScore(double blackMargin) {
    if (blackMargin > 0) {
        return "B+" + FormatNumber(blackMargin);
    }
    if (blackMargin < 0) {
        return "W+" + FormatNumber(-blackMargin);
    }
    return "0";
}

std::string FinalScore(double komi) {
    const AreaCount count = CountArea();
    return FormatScore(count.black - count.white - komi);
}
