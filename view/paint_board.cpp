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

// The pen and brushes a paint makes for itself. Each drawing job below selects what it needs
// and puts back what it found, so the next job and the text rows start from the context's own.
struct BoardTools {
    HBRUSH boardBrush;
    HPEN boardNullPen;
    HPEN gridPen;
};

// A stone filling the point rectangle `r`, outlined with the selected pen.
void DrawStone(HDC dc, const RECT& r, std::uint8_t color) {
    const HGDIOBJ keptBrush =
        SelectObject(dc, GetStockObject(color == Black ? BLACK_BRUSH : WHITE_BRUSH));
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, keptBrush);
}

void PaintBoardSquare(HDC dc, const BoardView& view, const RECT& client, const BoardTools& tools) {
    const HGDIOBJ keptBrush = SelectObject(dc, tools.boardBrush);
    const HGDIOBJ keptPen = SelectObject(dc, tools.boardNullPen);
    // A rectangle without outline fills one pixel short each way: one more each way makes the
    // whole square of boardExtent, in which the edge stones and crosses lie.
    Rectangle(dc, client.left, client.top, client.left + view.boardExtent + 1,
              client.top + view.boardExtent + 1);
    SelectObject(dc, keptPen);
    SelectObject(dc, keptBrush);
}

void PaintGrid(HDC dc, const BoardView& view) {
    // The context's own pen is black, one pixel wide.
    for (std::int32_t k = 0; k < view.boardSize; ++k) {
        Polyline(dc, view.HorizontalLine(k), 2);
        Polyline(dc, view.VerticalLine(k), 2);
    }
}

// An emptied point on a partial repaint: the board's colour and the point's cross again.
void RepairPoint(HDC dc, const BoardView& view, const PaintedPosition& position, std::int32_t x,
                 std::int32_t y, const BoardTools& tools) {
    const RECT r = view.PointRect(x, y);
    // The fill covers the whole point rectangle (one pixel more each way, as it has no outline),
    // so that nothing of a stone taken off stays on the row and column it shares with its
    // neighbours. The cross spans the rectangle too, so at the edge points it reaches the edge
    // of the board square.
    const HGDIOBJ keptBrush = SelectObject(dc, tools.boardBrush);
    const HGDIOBJ keptPen = SelectObject(dc, tools.boardNullPen);
    Rectangle(dc, r.left, r.top, r.right + 1, r.bottom + 1);
    SelectObject(dc, tools.gridPen);
    const LONG mx = r.left + (r.right - r.left) / 2;
    const LONG my = r.top + (r.bottom - r.top) / 2;
    const POINT vertical[2] = {{mx, r.top}, {mx, r.bottom}};
    const POINT horizontal[2] = {{r.left, my}, {r.right, my}};
    Polyline(dc, vertical, 2);
    Polyline(dc, horizontal, 2);
    // The neighbours' stones have their outlines' extreme pixels on those shared edges: draw
    // them again, outlined by the grid pen, which is black too.
    VisitNeighbours(x, y, [&](int nx, int ny) {
        const std::uint8_t neighbour = position.board[PointIndex(nx, ny)];
        if ((neighbour == Black || neighbour == White) && nx < view.boardSize &&
            ny < view.boardSize) {
            DrawStone(dc, view.PointRect(nx, ny), neighbour);
        }
        return false;
    });
    SelectObject(dc, keptPen);
    SelectObject(dc, keptBrush);
}

// Every point on a full paint; on a partial one, the changed points and the cursor's.
void PaintPoints(HDC dc, const BoardView& view, const PaintedPosition& position,
                 const BoardCursor* cursor, bool full, const BoardTools& tools) {
    const HGDIOBJ keptPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    for (std::int32_t x = 0; x < view.boardSize && x < BoardSize; ++x) {
        for (std::int32_t y = 0; y < view.boardSize && y < BoardSize; ++y) {
            const int i = PointIndex(x, y);
            const std::uint8_t b = position.board[i];
            const bool atCursor = cursor != nullptr && cursor->x == x && cursor->y == y;
            if (!full && position.changed[i] == 0 && !atCursor) {
                continue;
            }
            if (b == Black || b == White) {
                DrawStone(dc, view.PointRect(x, y), b);
            } else if (b == Empty && !full) {
                RepairPoint(dc, view, position, x, y, tools);
            }
        }
    }
    SelectObject(dc, keptPen);
}

void PaintCursorFrame(HDC dc, const BoardView& view, const BoardCursor& cursor) {
    const HGDIOBJ keptPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const std::array<POINT, 5> frame = view.CursorFrame(cursor.x, cursor.y);
    Polyline(dc, frame.data(), 5);
    SelectObject(dc, keptPen);
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

    const BoardTools tools = {CreateSolidBrush(BoardColor), CreatePen(PS_NULL, 1, BoardColor),
                              CreatePen(PS_SOLID, 1, GridColor)};
    if (full) {
        PaintBoardSquare(dc, *this, client, tools);
        if (HasGrid()) {
            PaintGrid(dc, *this);
        }
    }
    PaintPoints(dc, *this, position, cursor, full, tools);
    if (cursor != nullptr) {
        PaintCursorFrame(dc, *this, *cursor);
    }
    PaintStatusArea(dc, *this, position);

    DeleteObject(tools.boardBrush);
    DeleteObject(tools.boardNullPen);
    DeleteObject(tools.gridPen);
    EndPaint(window, &paint);
    GameSession.partialRepaint = 0;
}
