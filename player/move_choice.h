// The machine's choice of move: the three generators by value, then a filtered random point,
// then a pass.
#pragma once

// The proposal of a generator that found nothing.
constexpr int NoValue = -1;

// Writes the machine's point to *x, *y, or *x = -1 when it passes. Keeps MachinePasses: 0 after
// a point, one more after a pass.
void ChooseMachineMove(int* x, int* y);

// 1 when every on-board neighbour of (x, y) holds a machine stone; (x, y) itself is not looked at.
int IsMachineEye(int x, int y);
