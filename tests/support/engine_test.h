// What the engine's tests share: a fresh game for each test, scripted random draws, and board
// positions as small diagrams, so that a test reads like the position it checks.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Human Black (2), machine White, opening flags armed, no ko points, the game running, an empty
// board, and rand() seeded with `seed`.
void ResetGame(int humanColor = 2, unsigned seed = 1);

// A seed whose first draws of rand() % modulus are `draws`: scripts the random numbers without
// any hook in the engine.
unsigned SeedForDraws(const std::vector<int>& draws, int modulus);

// Replaces the board with the diagram: one string a row from the top (y = 0), one character a
// column from the left; 'X' Black, 'O' White, '.' empty, spaces ignored; the rest empty.
void SetBoard(std::initializer_list<std::string_view> rows);

// The board as a 19-row diagram, for failure messages.
std::string BoardDiagram();

int CountStones(int color);

// The first stone (its point index) that touches neither an empty point nor, through stones of
// its colour, one; -1 when every chain has a liberty. Apart from the engine's own counts.
int StoneWithoutLiberty();

// Up to nine rows from the top, for tables of cases.
using Diagram = std::array<std::string_view, 9>;
using Point = std::pair<int, int>;

inline void SetDiagram(const Diagram& r) {
    SetBoard({r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8]});
}

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetGame(); }
};

// A fresh game for each case of a table.
template <typename Case>
class CaseTest : public EngineTest, public ::testing::WithParamInterface<Case> {};

// Prints a case as its name; a test file brings it in with `using ::PrintTo;`.
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
