// The board's layout arithmetic, and PaintBoard in a real window on the headless screen: the
// board, the partial repaint after a game step, the text rows, and what is shown while a worker
// holds the slot.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

#include "shell/board_cursor.h"
#include "shell/game_session.h"
#include "tests/support/core_test_support.h"
#include "view/board_view.h"

namespace {

using core_test::ClientPixel;
using core_test::PixelOf;

constexpr COLORREF BoardColor = RGB(250, 220, 173);
constexpr COLORREF BlackColor = RGB(0, 0, 0);
constexpr COLORREF WhiteColor = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);

std::array<LONG, 4> Edges(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

struct LayoutCase {
    const char* name;
    LONG width, height;
    std::int32_t textHeight, boardSide, cellSize, boardExtent, half;
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
                      LayoutCase{"WiderThanTall", 300, 180, 12, 156, 8, 153, 4},
                      LayoutCase{"NarrowerThanTheRowsLeave", 100, 180, 12, 100, 5, 96, 2},
                      LayoutCase{"TooSmallForTheRows", 176, 20, 12, 0, 0, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

LRESULT BoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            // As the main window's creation does.
            GameSession.view = new BoardView(window, BoardSize);
            GameSession.cursor = new BoardCursor(GameSession.view->boardSize);
            return 0;
        case WM_PAINT:
            GameSession.view->PaintBoard(window);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The board in a child window of the given width and 180 pixels high: 176 gives 8-pixel cells,
// 140 gives 7-pixel ones.
class BoardPaintTest : public core_test::ScreenTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Position = PositionRecord{};
        Position.HumanColor = Black;
        GameSession.workerThread = nullptr;
        GameSession.partialRepaint = 0;
        std::fill(std::begin(GameSession.boardSnapshot), std::end(GameSession.boardSnapshot),
                  NoStone);
        SetStatus(StatusYourMove);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = BoardProc;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = L"ViewBoard";
        RegisterClassW(&windowClass);
        window_ =
            CreateWindowExW(0, L"ViewBoard", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, GetParam(), 180,
                            core_test::CreateProbe(L"Talvex Go"), nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        view_ = GameSession.view;
        Paint(false);
    }
    void TearDown() override {
        delete GameSession.view;
        delete GameSession.cursor;
        GameSession.view = nullptr;
        GameSession.cursor = nullptr;
        ScreenTest::TearDown();
    }

    void Paint(bool partial) {
        GameSession.partialRepaint = partial ? 1 : 0;
        InvalidateRect(window_, nullptr, FALSE);
        core_test::RunUntilIdle();
    }
    // Grid line k, and the centre of point k's rectangle as a repaired cross draws it.
    int Line(int k) const { return view_->cellSize / 2 + k * view_->cellSize; }
    int CrossCentre(int k) const { return k * view_->cellSize + (view_->cellSize + 1) / 2; }
    // A pixel inside the stone of point (x, y), off the grid lines and the repaired cross.
    raster::Pixel StonePixel(int x, int y) const { return ClientPixel(Line(x) - 1, Line(y) - 1); }
    void Scribble(int x, int y) {
        HDC dc = GetDC(window_);
        core_test::FillWith(dc, RECT{Line(x) - 1, Line(y) - 1, Line(x), Line(y)}, Red);
        ReleaseDC(window_, dc);
    }
    // Whether `rect` shows `text` exactly as DrawTextW draws it there in the status font.
    void ExpectShows(const RECT& rect, const wchar_t* text, UINT format) {
        const raster::Framebuffer painted = screen::Frame();
        HDC dc = GetDC(window_);
        core_test::FillWith(dc, rect, WhiteColor);
        HGDIOBJ oldFont = SelectObject(dc, view_->statusFont);
        RECT r = rect;
        DrawTextW(dc, text, -1, &r, format);
        SelectObject(dc, oldFont);
        ReleaseDC(window_, dc);
        EXPECT_TRUE(core_test::ClientChanges(painted).IsEmpty()) << "expected text: " << text;
    }

    HWND window_ = nullptr;
    BoardView* view_ = nullptr;
};

TEST_P(BoardPaintTest, ViewHoldsItsLayoutAndPointGeometry) {
    const BoardLayout layout =
        ComputeBoardLayout(RECT{0, 0, GetParam(), 180}, view_->textHeight, BoardSize);
    EXPECT_EQ(view_->boardExtent, layout.boardExtent);
    EXPECT_EQ(view_->MessageRect().top, layout.messageRect.top);
    EXPECT_EQ(view_->VerticalLine(18)[1].y, layout.boardExtent - layout.half);
    // Neighbouring point rectangles share a column; the shared column's pixels go to the left
    // point, and the square's edges are the board's.
    const LONG c = view_->cellSize;
    const RECT r = view_->PointRect(18, 2);
    EXPECT_EQ(Edges(r), (std::array{18 * c, 2 * c, 19 * c + 1, 3 * c + 1}));
    for (const auto& [pixel, point] : {std::pair{POINT{c, c + 1}, POINT{0, 1}},
                                       {{c + 1, 2 * c}, {1, 1}},
                                       {{19 * c, 19 * c}, {18, 18}},
                                       {{19 * c + 1, 0}, {-1, -1}},
                                       {{-1, 0}, {-1, -1}}}) {
        std::int32_t x = -1;
        std::int32_t y = -1;
        EXPECT_EQ(view_->PointAt(pixel.x, pixel.y, &x, &y), point.x >= 0);
        EXPECT_EQ((std::pair{x, y}), (std::pair{point.x, point.y}))
            << "pixel (" << pixel.x << ", " << pixel.y << ")";
    }
}

TEST_P(BoardPaintTest, PartialPaintRedrawsOnlyChangedPointsWithRepairedCrosses) {
    SetStone(3, 3, Black);
    SetStone(2, 3, White);
    SetStone(0, 5, White);
    SetStone(15, 15, Black);
    Paint(false);
    std::memcpy(GameSession.boardSnapshot, Position.Board, PointCount);
    SetStone(3, 3, Empty);
    SetStone(0, 5, Empty);
    SetStone(10, 10, White);
    Scribble(15, 15);
    Scribble(6, 6);
    Paint(true);

    EXPECT_EQ(GameSession.partialRepaint, 0);
    EXPECT_EQ(StonePixel(10, 10), PixelOf(WhiteColor));
    EXPECT_EQ(StonePixel(15, 15), PixelOf(Red)) << "an unchanged stone was redrawn";
    EXPECT_EQ(StonePixel(6, 6), PixelOf(Red)) << "an unchanged empty point was redrawn";
    // A repaired point: board colour and a cross through the whole rectangle, centred one pixel
    // right of and below the grid lines when the cell size is odd.
    const RECT r = view_->PointRect(3, 3);
    const int centre = CrossCentre(3);
    EXPECT_EQ(StonePixel(3, 3), PixelOf(BoardColor));
    EXPECT_EQ(ClientPixel(centre, r.top), PixelOf(BlackColor));
    EXPECT_EQ(ClientPixel(centre, r.bottom - 1), PixelOf(BlackColor));
    EXPECT_EQ(ClientPixel(r.left, centre), PixelOf(BlackColor));
    EXPECT_EQ(ClientPixel(r.right - 1, centre), PixelOf(BlackColor));
    if (centre != Line(3)) {
        EXPECT_EQ(ClientPixel(Line(3), r.top + 1), PixelOf(BoardColor));
    }
    // Nothing of the stone taken off stays on the row shared with the point below, and the
    // white stone on the left keeps its outline on the column the two share.
    EXPECT_EQ(ClientPixel(centre - 1, r.bottom - 1), PixelOf(BoardColor));
    EXPECT_EQ(ClientPixel(centre + 1, r.bottom - 1), PixelOf(BoardColor));
    EXPECT_EQ(ClientPixel(r.left, centre - 1), PixelOf(BlackColor));
    EXPECT_EQ(ClientPixel(r.left, centre + 1), PixelOf(BlackColor));
    // At the edge the cross reaches the board square's edge, beyond the outermost line.
    EXPECT_EQ(ClientPixel(0, CrossCentre(5)), PixelOf(BlackColor));

    // A step that keeps the snapshot of an earlier one (a pass): the stone shown at (10, 10)
    // is captured, and the Board is back to what that old snapshot holds.
    SetStone(10, 10, Empty);
    Paint(true);
    EXPECT_EQ(StonePixel(10, 10), PixelOf(BoardColor));
}

TEST_P(BoardPaintTest, WhileAWorkerHoldsTheSlotThePainterShowsWhatItLastShowed) {
    const raster::Framebuffer idle = screen::Frame();
    static int dummyThread;
    GameSession.workerThread = reinterpret_cast<HANDLE>(&dummyThread);
    std::thread worker([] {
        for (int round = 0; round < 200; ++round) {
            std::memcpy(GameSession.boardSnapshot, Position.Board, PointCount);
            SetStone(2, 2, Black);
            Position.HumanColor = White;
            Position.CapturedMachineStones = round;
            Position.CapturedHumanStones = round;
        }
    });
    for (int i = 0; i < 4; ++i) {
        Paint(i % 2 == 1);
    }
    worker.join();
    Paint(false);
    EXPECT_EQ(StonePixel(2, 2), PixelOf(BoardColor));
    EXPECT_TRUE(core_test::ChangedBounds(idle, screen::Frame()).IsEmpty());

    // Partial while busy: no point counts as changed, only the cursor point is drawn.
    Scribble(2, 2);
    Scribble(9, 9);
    Paint(true);
    EXPECT_EQ(StonePixel(2, 2), PixelOf(Red));
    EXPECT_EQ(StonePixel(9, 9), PixelOf(BoardColor));
    GameSession.workerThread = nullptr;
}

// The counters by the human's colour; then each status text in turn, each wiping the last
// one's descenders ("g") on the bottom row.
TEST_P(BoardPaintTest, TextRowsShowThePrisonersByTheHumansColourAndEachStatusText) {
    Position.CapturedMachineStones = 3;
    Position.CapturedHumanStones = 1;
    for (int human : {Black, White}) {
        Position.HumanColor = human;
        Paint(false);
        const wchar_t* texts[] = {L"Black:", human == Black ? L"3" : L"1", L"White:",
                                  human == Black ? L"1" : L"3"};
        for (int cell = 0; cell < 4; ++cell) {
            ExpectShows(view_->StatusCell(cell), texts[cell], DT_SINGLELINE | DT_VCENTER);
        }
    }
    for (int status = 0; status < StatusTextCount; ++status) {
        SetStatus(status);
        Paint(false);
        ExpectShows(view_->MessageRect(), StatusTexts[status],
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

INSTANTIATE_TEST_SUITE_P(CellSizes, BoardPaintTest, ::testing::Values(176, 140),
                         [](const auto& info) {
                             return info.param == 176 ? std::string("EvenCells")
                                                      : std::string("OddCells");
                         });

}  // namespace
