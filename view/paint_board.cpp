// The main window's WM_PAINT: the board square, its grid, the stones, the cursor frame, then the
// text rows under the board.
#include "rules/position.h"
#include "shell/board_cursor.h"
#include "shell/game_session.h"
#include "view/board_view.h"
#include "view/painted_position.h"
#include "view/status_area.h"

namespace {

constexpr COLORREF BoardColor = RGB(250, 220, 173);
constexpr COLORREF GridColor = RGB(0, 0, 0);

// A stone filling the point rectangle `r`, outlined with the selected pen.
void DrawStone(HDC dc, const RECT& r, std::uint8_t color) {
    SelectObject(dc, GetStockObject(color == Black ? BLACK_BRUSH : WHITE_BRUSH));
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

}  // namespace

void BoardView::PaintBoard(HWND window) const {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (dc == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    const bool full = GameSession.partialRepaint == 0;
    const PaintedPosition& position = PositionForPaint();
    const BoardCursor* cursor = GameSession.cursor;

    HBRUSH boardBrush = CreateSolidBrush(BoardColor);
    HPEN boardNullPen = CreatePen(PS_NULL, 1, BoardColor);
    HPEN gridPen = CreatePen(PS_SOLID, 1, GridColor);

    HGDIOBJ keptBrush = SelectObject(dc, boardBrush);
    HGDIOBJ keptPen = SelectObject(dc, boardNullPen);
    if (full) {
        // A rectangle without outline fills one pixel short each way: one more each way makes
        // the whole square of boardExtent, in which the edge stones and crosses lie.
        Rectangle(dc, client.left, client.top, client.left + boardExtent + 1,
                  client.top + boardExtent + 1);
    }
    SelectObject(dc, keptPen);
    SelectObject(dc, keptBrush);

    if (full && HasGrid()) {
        // The context's own pen is black, one pixel wide.
        for (std::int32_t k = 0; k < boardSize; ++k) {
            Polyline(dc, HorizontalLine(k), 2);
            Polyline(dc, VerticalLine(k), 2);
        }
    }

    // The outline pen and the white brush are selected before the first point drawn, and again
    // after a repaired point has left the board's own pen and brush in the context.
    bool needStockObjects = true;
    for (std::int32_t x = 0; x < boardSize && x < BoardSize; ++x) {
        for (std::int32_t y = 0; y < boardSize && y < BoardSize; ++y) {
            const int i = PointIndex(x, y);
            const std::uint8_t b = position.board[i];
            const bool atCursor = cursor != nullptr && cursor->x == x && cursor->y == y;
            if (!full && position.changed[i] == 0 && !atCursor) {
                continue;
            }
            if (needStockObjects) {
                SelectObject(dc, GetStockObject(BLACK_PEN));
                SelectObject(dc, GetStockObject(WHITE_BRUSH));
                needStockObjects = false;
            }
            const RECT r = PointRect(x, y);
            if (b == Black || b == White) {
                DrawStone(dc, r, b);
            } else if (b == Empty && !full) {
                // The fill covers the whole point rectangle (one pixel more each way, as it has
                // no outline), so that nothing of a stone taken off stays on the row and column
                // it shares with its neighbours. The cross spans the rectangle too, so at the
                // edge points it reaches the edge of the board square.
                SelectObject(dc, boardBrush);
                SelectObject(dc, boardNullPen);
                Rectangle(dc, r.left, r.top, r.right + 1, r.bottom + 1);
                SelectObject(dc, gridPen);
                const LONG mx = r.left + (r.right - r.left) / 2;
                const LONG my = r.top + (r.bottom - r.top) / 2;
                const POINT vertical[2] = {{mx, r.top}, {mx, r.bottom}};
                const POINT horizontal[2] = {{r.left, my}, {r.right, my}};
                Polyline(dc, vertical, 2);
                Polyline(dc, horizontal, 2);
                // The neighbours' stones have their outlines' extreme pixels on those shared
                // edges: draw them again, outlined by the grid pen, which is black too.
                VisitNeighbours(x, y, [&](int nx, int ny) {
                    const std::uint8_t neighbour = position.board[PointIndex(nx, ny)];
                    if ((neighbour == Black || neighbour == White) && nx < boardSize &&
                        ny < boardSize) {
                        DrawStone(dc, PointRect(nx, ny), neighbour);
                    }
                    return false;
                });
                needStockObjects = true;
            }
        }
    }

    if (cursor != nullptr) {
        // The points leave a black solid pen of width 1 selected; a cursor off the drawn
        // points would find the kept pen instead.
        if (needStockObjects) {
            SelectObject(dc, GetStockObject(BLACK_PEN));
        }
        const std::array<POINT, 5> frame = CursorFrame(cursor->x, cursor->y);
        Polyline(dc, frame.data(), 5);
    }

    SelectObject(dc, keptPen);
    SelectObject(dc, keptBrush);
    PaintStatusArea(dc, *this, position);

    DeleteObject(boardBrush);
    DeleteObject(boardNullPen);
    DeleteObject(gridPen);
    EndPaint(window, &paint);
    GameSession.partialRepaint = 0;
}
