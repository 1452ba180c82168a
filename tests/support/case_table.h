// Tables of named test cases over small board diagrams.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "tests/support/board_diagram.h"
#include "tests/support/engine_fixture.h"

// A diagram for a table of cases (see board_diagram.h): up to nine rows from the top.
using Diagram = std::array<std::string_view, 9>;
using Point = std::pair<int, int>;

inline void SetDiagram(const Diagram& r) {
    SetBoard({r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8]});
}

// A freshly set-up game for each entry of a table of cases.
template <typename Case>
class CaseTest : public EngineTest, public ::testing::WithParamInterface<Case> {};

// Prints a table's case as its name, so that test listings stay readable. A test file brings it
// into its unnamed namespace, where the cases live, with `using ::PrintTo;`.
template <typename Case>
requires requires(const Case& c) {
    std::string_view(c.name);
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// Names each instantiated case after its `name`.
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};
