#include "tests/support/board_diagram.h"

#include <stdexcept>

#include "rules/position.h"

void SetBoard(std::initializer_list<std::string_view> rows) {
    for (auto& point : Position.Board) {
        point = Empty;
    }
    if (rows.size() > static_cast<size_t>(BoardSize)) {
        throw std::invalid_argument("diagram has more than 19 rows");
    }
    int y = 0;
    for (std::string_view row : rows) {
        int x = 0;
        for (char c : row) {
            if (c == ' ') {
                continue;
            }
            if (x >= BoardSize) {
                throw std::invalid_argument("diagram row wider than 19 columns");
            }
            switch (c) {
                case 'X':
                    SetStone(x, y, Black);
                    break;
                case 'O':
                    SetStone(x, y, White);
                    break;
                case '.':
                    break;
                default:
                    throw std::invalid_argument(std::string("unknown diagram cell: ") + c);
            }
            ++x;
        }
        ++y;
    }
}

std::string BoardDiagram() {
    std::string text;
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            const int content = StoneAt(x, y);
            text += content == Black ? 'X' : content == White ? 'O' : '.';
        }
        text += '\n';
    }
    return text;
}

int CountStones(int color) {
    int count = 0;
    for (const auto point : Position.Board) {
        count += point == color ? 1 : 0;
    }
    return count;
}
