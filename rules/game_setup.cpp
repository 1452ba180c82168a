#include "rules/game_setup.h"

#include <algorithm>
#include <cstdlib>

#include "rules/handicap.h"
#include "rules/play_turn.h"
#include "rules/position.h"

void ClearBoard() {
    std::fill(std::begin(Position.OpeningFlags), std::end(Position.OpeningFlags), 1);
    Position.OpeningFlags[SequenceInProgressFlag] = 0;
    std::fill(std::begin(Position.Board), std::end(Position.Board), Empty);
    Position.CapturedHumanStones = 0;
    Position.CapturedMachineStones = 0;
}

unsigned ClockSeed(std::chrono::system_clock::time_point now) {
    using namespace std::chrono;
    // (minute × 60 + second) × 1000 + millisecond is the time since the start of the UTC hour,
    // in milliseconds. Flooring keeps it in 0..3599999 for times before 1970 too.
    const auto sinceEpoch = floor<milliseconds>(now.time_since_epoch());
    return static_cast<unsigned>((sinceEpoch - floor<hours>(sinceEpoch)).count());
}

void StartGameState() {
    Position.GameActive = 1;
    Position.MachinePasses = 0;
    Position.MachineKoX = -1;
    Position.MachineKoY = -1;
    Position.HumanKoX = -1;
    Position.HumanKoY = -1;
    std::srand(ClockSeed(std::chrono::system_clock::now()));
}

void SetUpGame(int handicap, int humanIsBlack) {
    const int n = std::clamp(handicap, 0, MaxHandicap);
    // Handicap stones are Black whoever plays Black, so they go down before the colours.
    PlaceHandicapStones(n);
    Position.HumanColor = humanIsBlack ? Black : White;
    Position.MachineColor = humanIsBlack ? White : Black;
    // White moves first in a handicap game, Black otherwise.
    const bool machineMovesFirst = humanIsBlack ? n > 0 : n == 0;
    if (!machineMovesFirst) {
        return;
    }
    int mx = -1;
    int my = -1;
    PlaceMachineMove(&mx, &my);
}
