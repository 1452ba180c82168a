// Rescue reading: extends the machine's groups that have one to three liberties.
#pragma once

// Generator: the liberty that gives a machine group with L = 1..3 liberties the most liberties,
// valued by ExtensionValue; groups with fewer liberties win ties. Out-parameters are set to -1
// first; returns 1 when the best value is greater than 0.
int FindRescueMove(int* x, int* y, int* value);

// Walks the machine group at (x, y) and values every liberty by the extension it gives a group
// of `groupLiberties` liberties, leaving out the machine's own eyes. The caller clears ReadMarks.
int FindBestExtension(int x, int y, int* bestX, int* bestY, int* bestValue, int groupLiberties);

// 40 + 50 × (n − L − 1) / L³ for an extension from L to n liberties; -1 when n <= L.
int ExtensionValue(int n, int groupLiberties);
