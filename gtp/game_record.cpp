#include "gtp/game_record.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include "player/opening_play.h"
#include "rules/liberties.h"

EngineRecord SaveEngine() {
    EngineRecord record;
    std::memcpy(&record.position, &Position, sizeof Position);
    record.openingCorner = OpeningCorner;
    record.openingNode = OpeningNode;
    return record;
}

void RestoreEngine(const EngineRecord& record) {
    std::memcpy(&Position, &record.position, sizeof Position);
    OpeningCorner = record.openingCorner;
    OpeningNode = record.openingNode;
}

void SwapSides() {
    std::swap(Position.HumanColor, Position.MachineColor);
    std::swap(Position.HumanKoX, Position.MachineKoX);
    std::swap(Position.HumanKoY, Position.MachineKoY);
    std::swap(Position.CapturedHumanStones, Position.CapturedMachineStones);
    // The move choice reads the machine's liberties from the map without refreshing them.
    BuildLibertyMap(Position.MachineColor);
}

void MakeHumanColor(int color) {
    if (Position.HumanColor != color) {
        SwapSides();
    }
}

void MakeMachineColor(int color) {
    if (Position.MachineColor != color) {
        SwapSides();
    }
}

int CapturedStonesOf(int color) {
    return color == Position.HumanColor ? Position.CapturedHumanStones
                                        : Position.CapturedMachineStones;
}

bool BoardIsEmpty() {
    return std::all_of(std::begin(Position.Board), std::end(Position.Board),
                       [](std::uint8_t point) { return point == Empty; });
}
