#include "gtp/showboard.h"

#include "gtp/game_record.h"
#include "gtp/vertex.h"
#include "rules/position.h"

namespace {

bool IsStarPoint(int x, int y) {
    const auto onStarLine = [](int c) {
        return c == 3 || c == BoardSize / 2 || c == BoardSize - 4;
    };
    return onStarLine(x) && onStarLine(y);
}

std::string LetterLine() {
    std::string line = "  ";
    for (int x = 0; x < BoardSize; ++x) {
        line += ' ';
        line += ColumnLetter(x);
    }
    return line + '\n';
}

// Right-aligned in two characters.
std::string RowNumber(int row) {
    return (row < 10 ? " " : "") + std::to_string(row);
}

char PointSymbol(int x, int y) {
    switch (StoneAt(x, y)) {
        case Black:
            return 'X';
        case White:
            return 'O';
        default:
            return IsStarPoint(x, y) ? '+' : '.';
    }
}

}  // namespace

std::string BoardText() {
    std::string text = LetterLine();
    for (int y = 0; y < BoardSize; ++y) {
        const int row = BoardSize - y;
        text += RowNumber(row);
        for (int x = 0; x < BoardSize; ++x) {
            text += ' ';
            text += PointSymbol(x, y);
        }
        text += ' ' + RowNumber(row) + '\n';
    }
    text += LetterLine();
    // A colour's prisoners are the stones of the other colour it has taken.
    text += "Black (X) has captured " + std::to_string(CapturedStonesOf(White)) + " stones\n";
    text += "White (O) has captured " + std::to_string(CapturedStonesOf(Black)) + " stones\n";
    return text;
}
