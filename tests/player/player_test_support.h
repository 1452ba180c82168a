// Helpers shared by the computer player's tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "rules/liberties.h"
#include "rules/position.h"
#include "tests/support/engine_test.h"

// The readings select groups through LibertyMap; ChooseMachineMove refreshes only the human's
// entries, so a test that calls a generator directly maps both sides.
inline void MapBothSides() {
    BuildLibertyMap(Position.HumanColor);
    BuildLibertyMap(Position.MachineColor);
}

// Takes the corner sequences and side points out of play, leaving only the pattern scan.
inline void ConsumeOpeningFlags() {
    std::fill(std::begin(Position.OpeningFlags), std::end(Position.OpeningFlags), 0);
}

// One generator's answer: its point, its value and what it returned.
struct Proposal {
    int x = -1;
    int y = -1;
    int value = -1;
    int found = 0;
    bool operator==(const Proposal&) const = default;
};

inline void PrintTo(const Proposal& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ") value " << p.value << " found " << p.found;
}

// A generator that finds nothing may leave anything in its out-parameters.
constexpr Proposal Nothing{};

template <typename Generator>
Proposal Propose(Generator generate) {
    Proposal p;
    p.found = generate(&p.x, &p.y, &p.value);
    return p;
}

inline void ExpectProposal(const Proposal& actual, const Proposal& expected) {
    if (expected.found == 0) {
        EXPECT_EQ(actual.found, 0) << ::testing::PrintToString(actual);
    } else {
        EXPECT_EQ(actual, expected);
    }
}
