// The shape patterns of the machine's middle game and the board orientations they are tried in.
#pragma once

constexpr int ShapePatternCount = 24;
constexpr int MaxPatternElements = 16;
constexpr int PatternTransformCount = 8;

// What the point of a pattern element must hold.
enum PatternElementKind : int {
    EmptyPoint = 0,
    HumanStone = 1,
    MachineStone = 2,
    MovePoint = 3,  // empty, and a machine stone there would have two liberties or more
    EmptyEdgePoint = 4,
    HumanEdgeStone = 5,
    MachineEdgeStone = 6,
};

struct PatternElement {
    int u;
    int v;
    int kind;
};

struct ShapePattern {
    PatternElement elements[MaxPatternElements];
    int elementCount;
    int orientationCount;  // 4 or 8: how many of PatternTransforms, from the first, apply
    int weight;
};

// Element (u, v) anchored at (x, y) in orientation (a, b, c, d) lies at
// (x + c·u + d·v, y + a·u + b·v).
struct PatternTransform {
    int a;
    int b;
    int c;
    int d;
};

// Patterns 8 to 13 extend from a stone into open space; their weight is corrected by where the
// move point lies.
constexpr int FirstExtensionPattern = 8;
constexpr int LastExtensionPattern = 13;

extern const ShapePattern ShapePatterns[ShapePatternCount];
extern const PatternTransform PatternTransforms[PatternTransformCount];
