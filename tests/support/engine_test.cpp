#include "tests/support/engine_test.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "player/opening_play.h"
#include "rules/game_setup.h"
#include "rules/position.h"

void ResetGame(int humanColor, unsigned seed) {
    std::memset(&Position, 0, sizeof Position);
    ClearBoard();
    StartGameState();
    Position.HumanColor = humanColor;
    Position.MachineColor = humanColor == Black ? White : Black;
    OpeningCorner = 0;
    OpeningNode = 0;
    std::srand(seed);
}

unsigned SeedForDraws(const std::vector<int>& draws, int modulus) {
    for (unsigned seed = 1; seed < 50'000'000; ++seed) {
        std::srand(seed);
        if (std::ranges::all_of(draws,
                                [&](int wanted) { return std::rand() % modulus == wanted; })) {
            return seed;
        }
    }
    throw std::runtime_error("no seed gives these draws");
}

void SetBoard(std::initializer_list<std::string_view> rows) {
    std::fill(std::begin(Position.Board), std::end(Position.Board), Empty);
    int y = 0;
    for (std::string_view row : rows) {
        int x = 0;
        for (char c : row) {
            if (c == ' ') {
                continue;
            }
            if (x >= BoardSize || y >= BoardSize || (c != 'X' && c != 'O' && c != '.')) {
                throw std::invalid_argument("bad diagram row: " + std::string(row));
            }
            SetStone(x++, y, c == 'X' ? Black : c == 'O' ? White : Empty);
        }
        ++y;
    }
}

std::string BoardDiagram() {
    std::string text;
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            text += ".OX"[StoneAt(x, y)];
        }
        text += '\n';
    }
    return text;
}

int CountStones(int color) {
    return static_cast<int>(
        std::count(std::begin(Position.Board), std::end(Position.Board), color));
}

int StoneWithoutLiberty() {
    // A stone lives if it touches an empty point or a living stone of its colour.
    std::array<bool, PointCount> lives{};
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = 0; i < PointCount; ++i) {
            for (int n = 0; n < 4 && Position.Board[i] != Empty && !lives[i]; ++n) {
                const int nx = i / BoardSize + NeighbourDx[n];
                const int ny = i % BoardSize + NeighbourDy[n];
                const int j = PointIndex(nx, ny);
                if (IsOnBoard(nx, ny) && (Position.Board[j] == Empty ||
                                          (Position.Board[j] == Position.Board[i] && lives[j]))) {
                    lives[i] = grew = true;
                }
            }
        }
    }
    for (int i = 0; i < PointCount; ++i) {
        if (Position.Board[i] != Empty && !lives[i]) {
            return i;
        }
    }
    return -1;
}
