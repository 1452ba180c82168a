#include "view/board_view.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "view/painted_position.h"
#include "view/status_area.h"

BoardLayout ComputeBoardLayout(const RECT& client, std::int32_t textHeight,
                               std::int32_t boardSize) {
    const std::int32_t width = client.right - client.left;
    const std::int32_t height = client.bottom - client.top;
    BoardLayout layout{};
    layout.boardSide = height - 2 * textHeight;
    if (layout.boardSide > width) {
        layout.boardSide = width;
    }
    // A client area too small for the text rows leaves an empty board rather than one of
    // negative size.
    layout.boardSide = std::max(layout.boardSide, 0);
    layout.cellSize = boardSize > 0 ? layout.boardSide / boardSize : 0;
    layout.boardExtent = layout.cellSize * boardSize + 1;
    layout.half = layout.cellSize / 2;

    // The counters row starts at the board side, not at the board square's edge: on the phone's
    // screen that leaves a few blank rows between the two.
    const std::int32_t cellWidth = layout.boardExtent / 4;
    for (std::int32_t m = 0; m < 4; ++m) {
        layout.statusCells[m] = RECT{m * cellWidth, layout.boardSide, (m + 1) * cellWidth,
                                     layout.boardSide + textHeight};
    }
    layout.messageRect = RECT{0, layout.boardSide + textHeight, layout.boardExtent,
                              layout.boardSide + 2 * textHeight};
    return layout;
}

void ComputeGridLines(const BoardLayout& layout, const RECT& client, std::int32_t boardSize,
                      POINT (*horizontalLines)[2], POINT (*verticalLines)[2]) {
    const std::int32_t far = layout.boardExtent - layout.half;
    for (std::int32_t k = 0; k < boardSize; ++k) {
        const std::int32_t p = layout.half + k * layout.cellSize;
        horizontalLines[k][0] = POINT{client.left + layout.half, client.top + p};
        horizontalLines[k][1] = POINT{client.left + far, client.top + p};
        verticalLines[k][0] = POINT{client.left + p, client.top + layout.half};
        verticalLines[k][1] = POINT{client.left + p, client.top + far};
    }
}

BoardView::BoardView(HWND window, std::int32_t size)
    : boardSize(size),
      boardExtent(0),
      cellSize(0),
      originX(0),
      originY(0),
      statusFont(nullptr),
      horizontalLines(nullptr),
      verticalLines(nullptr),
      statusCells{},
      messageRect{},
      textHeight(0) {
    RECT client{};
    GetClientRect(window, &client);
    ForgetPaintedPosition();
    statusFont = CreateStatusFont();
    textHeight = MeasureTextHeight(window, statusFont);

    const BoardLayout layout = ComputeBoardLayout(client, textHeight, boardSize);
    cellSize = layout.cellSize;
    boardExtent = layout.boardExtent;
    std::copy(std::begin(layout.statusCells), std::end(layout.statusCells), statusCells);
    messageRect = layout.messageRect;
    originX = client.left;
    originY = client.top;

    if (boardSize > 0) {
        horizontalLines = new (std::nothrow) POINT[boardSize][2];
        verticalLines = new (std::nothrow) POINT[boardSize][2];
    }
    if (!HasGrid()) {
        delete[] horizontalLines;
        delete[] verticalLines;
        horizontalLines = nullptr;
        verticalLines = nullptr;
        return;
    }
    ComputeGridLines(layout, client, boardSize, horizontalLines, verticalLines);
}

BoardView::~BoardView() {
    delete[] horizontalLines;
    delete[] verticalLines;
    if (statusFont != nullptr) {
        DeleteObject(statusFont);
    }
}

const POINT* BoardView::HorizontalLine(std::int32_t k) const {
    return horizontalLines[k];
}

const POINT* BoardView::VerticalLine(std::int32_t k) const {
    return verticalLines[k];
}

RECT BoardView::PointRect(std::int32_t x, std::int32_t y) const {
    const std::int32_t left = x * cellSize + originX;
    const std::int32_t top = y * cellSize + originY;
    return RECT{left, top, left + cellSize + 1, top + cellSize + 1};
}

bool BoardView::PointAt(std::int32_t clientX, std::int32_t clientY, std::int32_t* x,
                        std::int32_t* y) const {
    for (std::int32_t px = 0; px < boardSize; ++px) {
        for (std::int32_t py = 0; py < boardSize; ++py) {
            const RECT r = PointRect(px, py);
            if (clientX >= r.left && clientX < r.right && clientY >= r.top && clientY < r.bottom) {
                *x = px;
                *y = py;
                return true;
            }
        }
    }
    return false;
}

std::array<POINT, 5> BoardView::CursorFrame(std::int32_t x, std::int32_t y) const {
    const RECT r = PointRect(x, y);
    return {POINT{r.left, r.top}, POINT{r.right - 1, r.top}, POINT{r.right - 1, r.bottom - 1},
            POINT{r.left, r.bottom - 1}, POINT{r.left, r.top}};
}

RECT BoardView::StatusCell(std::int32_t m) const {
    return statusCells[m];
}

RECT BoardView::MessageRect() const {
    return messageRect;
}
