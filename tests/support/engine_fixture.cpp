#include "tests/support/engine_fixture.h"

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
        bool matches = true;
        for (int wanted : draws) {
            if (std::rand() % modulus != wanted) {
                matches = false;
                break;
            }
        }
        if (matches) {
            return seed;
        }
    }
    throw std::runtime_error("no seed gives these draws");
}
