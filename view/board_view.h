// The board's geometry on the main window's client area, computed once when the window is
// created: the board square in the top-left corner, its grid lines and point rectangles, and
// the two text rows under it (the counters row and the message line), with their font.
#pragma once

#include <array>
#include <cstdint>

#include "platform/windows.h"

// The arithmetic of the layout, apart from the window and the font, so that it can be checked
// on any client area and text height.
struct BoardLayout {
    std::int32_t boardSide;
    std::int32_t cellSize;
    std::int32_t boardExtent;
    std::int32_t half;
    RECT statusCells[4];
    RECT messageRect;
};
BoardLayout ComputeBoardLayout(const RECT& client, std::int32_t textHeight, std::int32_t boardSize);
// The grid segments of that layout in client coordinates: line k of each direction runs from
// the first to the last line, half a cell in from the board square's edges.
void ComputeGridLines(const BoardLayout& layout, const RECT& client, std::int32_t boardSize,
                      POINT (*horizontalLines)[2], POINT (*verticalLines)[2]);

class BoardView {
  public:
    // Creates the status font, measures the text height on the window and lays the board out
    // on the window's client rectangle. If memory for the grid lines cannot be had, the lines
    // stay null and HasGrid() is false: the window must then not be created.
    BoardView(HWND window, std::int32_t boardSize);
    ~BoardView();
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;

    bool HasGrid() const { return horizontalLines != nullptr && verticalLines != nullptr; }

    // Segment k of the grid: two points, for Polyline with a count of 2.
    const POINT* HorizontalLine(std::int32_t k) const;
    const POINT* VerticalLine(std::int32_t k) const;
    // The rectangle of board point (x, y); neighbours share one pixel row or column.
    RECT PointRect(std::int32_t x, std::int32_t y) const;
    // The board point whose PointRect holds client pixel (clientX, clientY), in *x and *y; on the
    // pixel two neighbours share, the one to the left or above. False when the pixel is off the
    // board.
    bool PointAt(std::int32_t clientX, std::int32_t clientY, std::int32_t* x,
                 std::int32_t* y) const;
    // The closed square around PointRect(x, y), for Polyline with a count of 5.
    std::array<POINT, 5> CursorFrame(std::int32_t x, std::int32_t y) const;
    RECT StatusCell(std::int32_t m) const;
    RECT MessageRect() const;

    // The main window's WM_PAINT: the board, the stones, the cursor frame and the text rows.
    // Full or partial as GameSession.partialRepaint says; clears it at the end.
    void PaintBoard(HWND window) const;

    std::int32_t boardSize;
    std::int32_t boardExtent;
    std::int32_t cellSize;
    std::int32_t originX;
    std::int32_t originY;
    HFONT statusFont;
    POINT (*horizontalLines)[2];
    POINT (*verticalLines)[2];
    RECT statusCells[4];
    RECT messageRect;
    // The height of one status text line, as measured at construction.
    std::int32_t textHeight;
};
