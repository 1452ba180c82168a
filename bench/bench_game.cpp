#include "bench/bench_game.h"

#include <cstdlib>
#include <vector>

#include "rules/game_setup.h"
#include "rules/legality.h"
#include "rules/position.h"

void StartSeededGame(unsigned seed, int humanIsBlack) {
    ClearBoard();
    StartGameState();
    std::srand(seed);
    SetUpGame(0, humanIsBlack);
}

int ChooseHumanPoint(std::mt19937& rng, int* x, int* y) {
    std::vector<int> candidates;
    for (int i = 0; i < PointCount; ++i) {
        if (Position.Board[i] == Empty) {
            candidates.push_back(i);
        }
    }
    // Draw without replacement until an allowed point comes up: each allowed point is equally
    // likely, and forbidden ones are tested at most once.
    while (!candidates.empty()) {
        std::uniform_int_distribution<std::size_t> pick(0, candidates.size() - 1);
        const std::size_t k = pick(rng);
        const int i = candidates[k];
        *x = i / BoardSize;
        *y = i % BoardSize;
        if (IsForbiddenMove(*x, *y) == 0) {
            return 1;
        }
        candidates[k] = candidates.back();
        candidates.pop_back();
    }
    return 0;
}

int CountStones() {
    int count = 0;
    for (const auto point : Position.Board) {
        count += point != Empty ? 1 : 0;
    }
    return count;
}
