#include "rules/legality.h"

#include "rules/liberties.h"
#include "rules/position.h"

namespace {

void SetKoPoint(int color, int x, int y) {
    if (color == Position.MachineColor) {
        Position.MachineKoX = x;
        Position.MachineKoY = y;
    } else {
        Position.HumanKoX = x;
        Position.HumanKoY = y;
    }
}

}  // namespace

void RemoveDeadStones(int color) {
    BuildLibertyMap(color);
    SetKoPoint(color, -1, -1);
    PointList dead;
    SelectPoints(dead, [color](int i) {
        return (Position.Board[i] == color) & (Position.LibertyMap[i] == 0);
    });
    for (int k = 0; k < dead.count; ++k) {
        const int i = dead.index[k];
        Position.Board[i] = Empty;
        if (color == Position.MachineColor) {
            ++Position.CapturedMachineStones;
        } else {
            ++Position.CapturedHumanStones;
        }
        SetKoPoint(color, PointX(i), PointY(i));
    }
    if (dead.count > 1) {
        SetKoPoint(color, -1, -1);
    }
}

int IsForbiddenMove(int x, int y) {
    if (HasLiberties(x, y, Position.HumanColor, 1) == 1) {
        return 0;
    }
    // No liberty of its own: the move stands only if it captures. Try it and count the machine
    // stones (not groups) it would leave without a liberty.
    SetStone(x, y, Position.HumanColor);
    BuildLibertyMap(Position.MachineColor);
    int captured = 0;
    for (int i = 0; i < PointCount; ++i) {
        if (Position.Board[i] == Position.MachineColor && Position.LibertyMap[i] == 0) {
            ++captured;
        }
    }
    // The trial stone comes off in every case: the caller places the real one.
    SetStone(x, y, Empty);
    if (captured == 0) {
        return 1;
    }
    if (captured == 1 && x == Position.HumanKoX && y == Position.HumanKoY) {
        return 1;
    }
    return 0;
}
