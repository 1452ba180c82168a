// Liberty counting: the flood fill over one group and the whole-board liberty map built from it.
#pragma once

// One step of the count: marks (x, y) reached and walks on into unmarked stones of color,
// adding each unmarked empty neighbour to Position.LibertyCount.
void CountLiberties(int x, int y, int color);

// Adds to Position.LibertyCount the liberties of the color group at (x, y). When (x, y) is
// empty, the result is what a color stone placed there would have, before any capture.
// Callers set LibertyCount to 0 first.
void CountGroupLiberties(int x, int y, int color);

// Fills the LibertyMap entry of every color stone with the liberties of its group.
void BuildLibertyMap(int color);

// The liberties of the color group at (x, y), counted from scratch.
int GroupLiberties(int x, int y, int color);
