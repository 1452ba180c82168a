// Points and colours as the protocol writes them: columns A to T without I, row 1 at the bottom.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// A board point in the engine's coordinates (x from the left, y from the top), or a pass.
struct Vertex {
    int x = -1;
    int y = -1;

    bool IsPass() const { return x < 0; }
    friend bool operator==(const Vertex&, const Vertex&) = default;
};

constexpr Vertex PassVertex{};

// "D4", "q16", "pass" (any case); nothing for a point off the 19×19 board or a malformed word.
std::optional<Vertex> ParseVertex(std::string_view word);

// "D4" for a point, "pass" for a pass.
std::string FormatVertex(const Vertex& vertex);

// The column letter of x (0..18).
char ColumnLetter(int x);

// Black or White (the StoneColor values) for "b", "black", "w", "white" in any case.
std::optional<int> ParseColor(std::string_view word);
