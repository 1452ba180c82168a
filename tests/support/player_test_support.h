// Helpers shared by the computer player's tests.
#pragma once

#include <algorithm>
#include <ostream>

#include "rules/liberties.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

// The readings select groups through LibertyMap, which ChooseMachineMove refreshes only for the
// human: a test that calls a generator directly maps both sides.
inline void MapBothSides() {
    BuildLibertyMap(Position.HumanColor);
    BuildLibertyMap(Position.MachineColor);
}

// Takes the corner sequences and side points out of play, leaving only the pattern scan.
inline void ConsumeOpeningFlags() {
    std::fill(std::begin(Position.OpeningFlags), std::end(Position.OpeningFlags), 0);
}

// One generator's answer. A generator that finds nothing may leave anything in its
// out-parameters, so two answers of nothing are equal.
struct Proposal {
    int x = -1, y = -1, value = -1, found = 0;
    bool operator==(const Proposal& o) const {
        return found == o.found && (found == 0 || (x == o.x && y == o.y && value == o.value));
    }
};
constexpr Proposal Nothing{};

inline void PrintTo(const Proposal& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ") value " << p.value << " found " << p.found;
}

template <typename Generator>
Proposal Propose(Generator generate) {
    Proposal p;
    p.found = generate(&p.x, &p.y, &p.value);
    return p;
}
