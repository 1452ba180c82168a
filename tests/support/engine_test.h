// What the engine's tests share: a fresh game for each test, scripted random draws, and board
// positions as small diagrams.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Human Black (2), machine White, a fresh game on an empty board, rand() seeded with `seed`.
void ResetGame(int humanColor = 2, unsigned seed = 1);

// A seed whose first draws of rand() % modulus are `draws`: no hook in the engine needed.
unsigned SeedForDraws(const std::vector<int>& draws, int modulus);

// The board from a diagram, a string a row from the top: 'X' Black, 'O' White, '.' empty, spaces
// ignored; the rest empty.
void SetBoard(std::initializer_list<std::string_view> rows);

std::string BoardDiagram();  // for failure messages

int CountStones(int color);

// The point index of the first stone whose chain has no liberty, -1 when there is none: counted
// apart from the engine.
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

template <typename Case>
class CaseTest : public EngineTest, public ::testing::WithParamInterface<Case> {};

// Prints and names a case by its `name`; a test file brings PrintTo in with `using ::PrintTo;`.
template <typename Case>
requires requires(const Case& c) {
    std::string_view(c.name);
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}
struct CaseName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};
