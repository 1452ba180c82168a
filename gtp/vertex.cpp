#include "gtp/vertex.h"

#include <cctype>

#include "rules/position.h"

namespace {

// The protocol skips I, which is too easily read as J or 1.
constexpr char ColumnLetters[] = "ABCDEFGHJKLMNOPQRST";
static_assert(sizeof ColumnLetters - 1 == BoardSize);

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool EqualsIgnoringCase(std::string_view word, std::string_view lower) {
    if (word.size() != lower.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (Lower(word[i]) != lower[i]) {
            return false;
        }
    }
    return true;
}

std::optional<int> ColumnOf(char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (int x = 0; x < BoardSize; ++x) {
        if (ColumnLetters[x] == upper) {
            return x;
        }
    }
    return std::nullopt;
}

// 1..19 written without sign or leading zero.
std::optional<int> RowOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 2 || digits[0] == '0') {
        return std::nullopt;
    }
    int row = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        row = row * 10 + (c - '0');
    }
    if (row > BoardSize) {
        return std::nullopt;
    }
    return row;
}

}  // namespace

std::optional<Vertex> ParseVertex(std::string_view word) {
    if (EqualsIgnoringCase(word, "pass")) {
        return PassVertex;
    }
    if (word.size() < 2) {
        return std::nullopt;
    }
    const auto x = ColumnOf(word[0]);
    const auto row = RowOf(word.substr(1));
    if (!x || !row) {
        return std::nullopt;
    }
    // Row 1 is the bottom line, the engine's y = 18.
    return Vertex{*x, BoardSize - *row};
}

std::string FormatVertex(const Vertex& vertex) {
    if (vertex.IsPass()) {
        return "pass";
    }
    return ColumnLetter(vertex.x) + std::to_string(BoardSize - vertex.y);
}

char ColumnLetter(int x) {
    return ColumnLetters[x];
}

std::optional<int> ParseColor(std::string_view word) {
    if (EqualsIgnoringCase(word, "b") || EqualsIgnoringCase(word, "black")) {
        return Black;
    }
    if (EqualsIgnoringCase(word, "w") || EqualsIgnoringCase(word, "white")) {
        return White;
    }
    return std::nullopt;
}
