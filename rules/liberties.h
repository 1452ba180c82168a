// Liberty counting: the flood fill over one group and the whole-board liberty map built from it.
#pragma once

// The count within the current round of marks: marks (x, y) reached and walks on into
// unreached stones of color, adding each unreached empty neighbour to Position.LibertyCount.
void CountLiberties(int x, int y, int color);

// Adds to Position.LibertyCount the liberties of the color group at (x, y). When (x, y) is
// empty, the result is what a color stone placed there would have, before any capture.
// Callers set LibertyCount to 0 first. Starts a new round of marks rather than resetting them.
void CountGroupLiberties(int x, int y, int color);

// Fills the LibertyMap entry of every color stone with the liberties of its group.
void BuildLibertyMap(int color);

// The liberties of the color group at (x, y), counted from scratch.
int GroupLiberties(int x, int y, int color);

// GroupLiberties, or `cap` when the group has at least that many: the count stops there.
int LibertiesUpTo(int x, int y, int color, int cap);

// 1 when the color group at (x, y) has at least `wanted` liberties, else 0: GroupLiberties
// compared with `wanted`, with the count stopped as soon as it is reached. LibertyCount is then
// `wanted`, not the whole count.
int HasLiberties(int x, int y, int color, int wanted);
