#include "player/pattern_match.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "player/move_choice.h"
#include "player/shape_patterns.h"
#include "rules/liberties.h"
#include "rules/position.h"

namespace {

bool IsOnEdge(int x, int y) {
    return x == 0 || x == BoardSize - 1 || y == 0 || y == BoardSize - 1;
}

// The 24 points within two lines of an anchor, and what each of them can hold.
constexpr int NearReach = 2;
constexpr int NearPointCount = (2 * NearReach + 1) * (2 * NearReach + 1) - 1;
enum NearContent : int {
    NearEmpty = 0,
    NearHuman = 1,
    NearMachine = 2,
    NearOffBoard = 3,  // no element accepts it
    NearContentCount = 4,
};

// What each kind of element asks of its point, as a table rather than a switch: a reply
// usually runs right after another program has left the processor's guesses of indirect jumps
// cold.
struct KindRule {
    std::uint8_t contents;  // one bit for each NearContent the point may hold
    bool onEdge;            // the point must lie on the board's edge
    bool movePoint;         // a machine stone there must have two liberties or more
};

constexpr KindRule KindRules[] = {
    {1 << NearEmpty, false, false},    // EmptyPoint
    {1 << NearHuman, false, false},    // HumanStone
    {1 << NearMachine, false, false},  // MachineStone
    {1 << NearEmpty, false, true},     // MovePoint
    {1 << NearEmpty, true, false},     // EmptyEdgePoint
    {1 << NearHuman, true, false},     // HumanEdgeStone
    {1 << NearMachine, true, false},   // MachineEdgeStone
};
static_assert(std::size(KindRules) == MachineEdgeStone + 1);

// Whether a kind element holds at (x, y), on the board, whose point holds `content`.
bool ElementHolds(int kind, int x, int y, int content) {
    const KindRule& rule = KindRules[kind];
    if ((rule.contents & (1 << content)) == 0 || (rule.onEdge && !IsOnEdge(x, y))) {
        return false;
    }
    return !rule.movePoint || HasLiberties(x, y, Position.MachineColor, 2) == 1;
}

struct Offset {
    int dx;
    int dy;
};

// The 8 points next to the anchor come first: they alone leave most anchors without a candidate.
constexpr int InnerRingCount = 8;

constexpr std::array<Offset, NearPointCount> NearOffsets = [] {
    std::array<Offset, NearPointCount> offsets{};
    int k = 0;
    for (int ring = 1; ring <= NearReach; ++ring) {
        for (int dx = -ring; dx <= ring; ++dx) {
            for (int dy = -ring; dy <= ring; ++dy) {
                if (dx == -ring || dx == ring || dy == -ring || dy == ring) {
                    offsets[k++] = {dx, dy};
                }
            }
        }
    }
    return offsets;
}();

constexpr std::array<int, NearPointCount> NearSteps = [] {
    std::array<int, NearPointCount> steps{};
    for (int k = 0; k < NearPointCount; ++k) {
        steps[k] = PointIndex(NearOffsets[k].dx, NearOffsets[k].dy);
    }
    return steps;
}();

int NearSlot(int dx, int dy) {
    for (int k = 0; k < NearPointCount; ++k) {
        if (NearOffsets[k].dx == dx && NearOffsets[k].dy == dy) {
            return k;
        }
    }
    return -1;
}

// What an element's point must hold, as far as the stones alone tell.
int ContentNeeded(int kind) {
    return std::countr_zero(KindRules[kind].contents);
}

// Whether the stones alone decide the element: the move point's liberties and the edge are
// more than what a point holds.
bool IsStoneOnly(int kind) {
    return !KindRules[kind].onEdge && !KindRules[kind].movePoint;
}

// One pattern in one orientation, with the elements that the near filter below does not settle,
// in the pattern's order, as offsets from the anchor.
// Kept in bytes: the machine is often asked right after another program has filled the caches,
// and the table is read at scattered places.
struct Trial {
    std::uint8_t pattern;
    std::uint8_t elementCount;
    struct {
        std::int8_t dx;
        std::int8_t dy;
        std::int8_t kind;
    } elements[MaxPatternElements];
};

// Every pattern in each of its orientations, in the order they are tried, one bit each.
constexpr int TrialCount = ShapePatternCount * PatternTransformCount;
constexpr int TrialWords = (TrialCount + 63) / 64;
using TrialSet = std::array<std::uint64_t, TrialWords>;

// For each near point and what it holds, the trials whose element there (if any) accepts it.
// Every match is in the intersection over the 24 points, so a trial outside it is left out
// without testing its elements one by one, and a trial inside it needs only its other elements
// tested; the result is the same as testing them all.
struct NearFilter {
    Trial trials[TrialCount];
    int trialCount = 0;
    TrialSet accepts[NearPointCount][NearContentCount] = {};
};

NearFilter BuildNearFilter() {
    NearFilter filter;
    for (int p = 0; p < ShapePatternCount; ++p) {
        for (int t = 0; t < ShapePatterns[p].orientationCount; ++t) {
            const int index = filter.trialCount++;
            Trial& trial = filter.trials[index];
            trial.pattern = static_cast<std::uint8_t>(p);
            trial.elementCount = 0;
            int needed[NearPointCount];
            std::fill(std::begin(needed), std::end(needed), -1);
            const PatternTransform& transform = PatternTransforms[t];
            for (int e = 0; e < ShapePatterns[p].elementCount; ++e) {
                const PatternElement& element = ShapePatterns[p].elements[e];
                const Offset offset = {transform.c * element.u + transform.d * element.v,
                                       transform.a * element.u + transform.b * element.v};
                const int slot = NearSlot(offset.dx, offset.dy);
                if (slot >= 0) {
                    needed[slot] = ContentNeeded(element.kind);
                }
                if (slot < 0 || !IsStoneOnly(element.kind)) {
                    trial.elements[trial.elementCount++] = {static_cast<std::int8_t>(offset.dx),
                                                            static_cast<std::int8_t>(offset.dy),
                                                            static_cast<std::int8_t>(element.kind)};
                }
            }
            for (int k = 0; k < NearPointCount; ++k) {
                for (int content = 0; content < NearContentCount; ++content) {
                    if (needed[k] < 0 || needed[k] == content) {
                        filter.accepts[k][content][index / 64] |= std::uint64_t{1} << (index % 64);
                    }
                }
            }
        }
    }
    return filter;
}

// The NearContent of each point content (Empty, White, Black), as the sides stand now.
using ContentClasses = std::array<int, 3>;

ContentClasses ClassifyContents() {
    ContentClasses classes{};
    classes[Empty] = NearEmpty;
    classes[Position.HumanColor] = NearHuman;
    classes[Position.MachineColor] = NearMachine;
    return classes;
}

// The trials that the points near (x, y) leave possible.
TrialSet NearCandidates(const NearFilter& filter, const ContentClasses& contentOf, int x, int y) {
    TrialSet candidates;
    candidates.fill(~std::uint64_t{0});
    const auto narrow = [&](auto contentAt) {
        const auto narrowOver = [&](int from, int to) {
            for (int k = from; k < to; ++k) {
                const int content = contentAt(k);
                for (int w = 0; w < TrialWords; ++w) {
                    candidates[w] &= filter.accepts[k][content][w];
                }
            }
        };
        narrowOver(0, InnerRingCount);
        // The outer ring can only narrow further: nothing left stays nothing.
        if (std::any_of(candidates.begin(), candidates.end(),
                        [](std::uint64_t w) { return w != 0; })) {
            narrowOver(InnerRingCount, NearPointCount);
        }
    };
    const int anchor = PointIndex(x, y);
    if (x >= NearReach && x < BoardSize - NearReach && y >= NearReach &&
        y < BoardSize - NearReach) {
        // Away from the edges every near point is on the board, a fixed step of index away.
        narrow([&](int k) { return contentOf[Position.Board[anchor + NearSteps[k]]]; });
    } else {
        narrow([&](int k) {
            return IsOnBoard(x + NearOffsets[k].dx, y + NearOffsets[k].dy)
                       ? contentOf[Position.Board[anchor + NearSteps[k]]]
                       : NearOffBoard;
        });
    }
    return candidates;
}

// Whether the trial's remaining elements hold with the anchor at (x, y), with its move point.
bool MatchOne(const Trial& trial, const ContentClasses& contentOf, int x, int y, int* moveX,
              int* moveY) {
    for (int e = 0; e < trial.elementCount; ++e) {
        const int ex = x + trial.elements[e].dx;
        const int ey = y + trial.elements[e].dy;
        const int kind = trial.elements[e].kind;
        if (!IsOnBoard(ex, ey) ||
            !ElementHolds(kind, ex, ey, contentOf[Position.Board[PointIndex(ex, ey)]])) {
            return false;
        }
        if (kind == MovePoint) {
            *moveX = ex;
            *moveY = ey;
        }
    }
    return true;
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
    BestProposal best;
    static const NearFilter filter = BuildNearFilter();
    const ContentClasses contentOf = ClassifyContents();
    const TrialSet candidates = NearCandidates(filter, contentOf, x, y);
    for (int w = 0; w < TrialWords; ++w) {
        // Lowest bit first: the trials' own order, which decides ties.
        for (std::uint64_t bits = candidates[w]; bits != 0; bits &= bits - 1) {
            const Trial& trial = filter.trials[w * 64 + std::countr_zero(bits)];
            int moveX = -1;
            int moveY = -1;
            if (!MatchOne(trial, contentOf, x, y, &moveX, &moveY)) {
                continue;
            }
            const int p = trial.pattern;
            int value = ShapePatterns[p].weight;
            if (p >= FirstExtensionPattern && p <= LastExtensionPattern) {
                value += ExtensionLineCorrection(moveX) + ExtensionLineCorrection(moveY);
            }
            best.Offer(moveX, moveY, value);
        }
    }
    return best.Report(bestX, bestY, bestValue);
}
