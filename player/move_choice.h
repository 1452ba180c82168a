// The machine's choice of move: the three generators by value, then a filtered random point,
// then a pass.
#pragma once

// The proposal of a generator that found nothing.
constexpr int NoValue = -1;

// The best point of a scan so far. An offer replaces it only with a strictly greater value, so
// of equal values the first offered stays: the scan's order decides ties.
struct BestProposal {
    int x = -1;
    int y = -1;
    int value = NoValue;

    void Offer(int offeredX, int offeredY, int offeredValue) {
        if (offeredValue > value) {
            x = offeredX;
            y = offeredY;
            value = offeredValue;
        }
    }

    // Writes the proposal out as a generator does; 1 when it is worth playing (value above 0).
    int Report(int* outX, int* outY, int* outValue) const {
        *outX = x;
        *outY = y;
        *outValue = value;
        return value > 0 ? 1 : 0;
    }
};

// Writes the machine's point to *x, *y, or *x = -1 when it passes. Keeps MachinePasses: 0 after
// a point, one more after a pass.
void ChooseMachineMove(int* x, int* y);

// 1 when every on-board neighbour of (x, y) holds a machine stone; (x, y) itself is not looked at.
int IsMachineEye(int x, int y);
