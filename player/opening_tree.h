// The corner sequences of the opening, as a tree of points in the top-left corner.
#pragma once

constexpr int OpeningTreeSize = 21;
constexpr int MaxOpeningSuccessors = 8;

struct OpeningTreeNode {
    int x;
    int y;
    int successorCount;
    int successors[MaxOpeningSuccessors];
};

// Node 0 is the root, whose point (-1, -1) is never played; a node without successors ends
// its sequence.
extern const OpeningTreeNode OpeningTree[OpeningTreeSize];
