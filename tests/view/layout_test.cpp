// The board's layout arithmetic: the two branches of the square's side, odd cells, no room.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "view/board_view.h"

namespace {

std::array<LONG, 4> Edges(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

struct LayoutCase {
    const char* name;
    LONG width;
    LONG height;
    std::int32_t textHeight;
    std::int32_t boardSide;
    std::int32_t cellSize;
    std::int32_t boardExtent;
    std::int32_t half;
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, BoardSquareAndTextRowsFollowTheClientArea) {
    const LayoutCase& c = GetParam();
    const BoardLayout layout = ComputeBoardLayout(RECT{0, 0, c.width, c.height}, c.textHeight, 19);
    EXPECT_EQ(layout.boardSide, c.boardSide);
    EXPECT_EQ(layout.cellSize, c.cellSize);
    EXPECT_EQ(layout.boardExtent, c.boardExtent);
    EXPECT_EQ(layout.half, c.half);
    // Four cells as wide as a quarter of the board, from the board side down, then the message.
    const LONG w = c.boardExtent / 4;
    for (LONG m = 0; m < 4; ++m) {
        EXPECT_EQ(Edges(layout.statusCells[m]),
                  (std::array{m * w, c.boardSide, (m + 1) * w, c.boardSide + c.textHeight}))
            << "cell " << m;
    }
    EXPECT_EQ(Edges(layout.messageRect), (std::array{0, c.boardSide + c.textHeight, c.boardExtent,
                                                     c.boardSide + 2 * c.textHeight}));
}

INSTANTIATE_TEST_SUITE_P(
    ClientAreas, LayoutTest,
    ::testing::Values(LayoutCase{"WorkedExample", 176, 180, 14, 152, 8, 153, 4},
                      LayoutCase{"OddCellSize", 140, 180, 12, 140, 7, 134, 3},
                      LayoutCase{"WiderThanTall", 300, 180, 12, 156, 8, 153, 4},
                      LayoutCase{"NarrowerThanTheRowsLeave", 100, 180, 12, 100, 5, 96, 2},
                      LayoutCase{"TooSmallForTheRows", 176, 20, 12, 0, 0, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
