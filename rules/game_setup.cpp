#include "rules/game_setup.h"

#include <algorithm>
#include <cstdlib>

#include "player/move_choice.h"
#include "rules/handicap.h"
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
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch()).count();
    const auto millisecond = sinceEpoch % 1000;
    const auto second = (sinceEpoch / 1000) % 60;
    const auto minute = (sinceEpoch / 60000) % 60;
    return static_cast<unsigned>((minute * 60 + second) * 1000 + millisecond);
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
    ChooseMachineMove(&mx, &my);
    if (mx >= 0) {
        SetStone(mx, my, Position.MachineColor);
    }
}
