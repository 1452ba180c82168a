#include "view/status_area.h"

#include <cwchar>

#include "rules/position.h"
#include "shell/game_session.h"
#include "view/board_view.h"
#include "view/painted_position.h"

namespace {

constexpr COLORREF StatusBackground = RGB(255, 255, 255);
constexpr UINT CounterFormat = DT_SINGLELINE | DT_VCENTER;
constexpr UINT MessageFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// Room for any figure "%d" can give.
constexpr int FigureBufferSize = 20;

// The white that wipes the rows: made on the first paint and kept for the program's life, so
// that painting allocates nothing.
HBRUSH StatusBrush() {
    static const HBRUSH brush = CreateSolidBrush(StatusBackground);
    return brush;
}
HPEN StatusPen() {
    static const HPEN pen = CreatePen(PS_NULL, 1, StatusBackground);
    return pen;
}

void DrawInRect(HDC dc, const wchar_t* text, RECT rect, UINT format) {
    DrawTextW(dc, text, -1, &rect, format);
}

void DrawFigure(HDC dc, int figure, const RECT& cell) {
    wchar_t buffer[FigureBufferSize];
    std::swprintf(buffer, FigureBufferSize, L"%d", figure);
    DrawInRect(dc, buffer, cell, CounterFormat);
}

}  // namespace

HFONT CreateStatusFont() {
    LOGFONTW font{};
    font.lfHeight = 12;
    font.lfWidth = 0;
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    font.lfWeight = FW_NORMAL;
    font.lfItalic = 0;
    font.lfUnderline = 0;
    font.lfStrikeOut = 0;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = 0;
    font.lfClipPrecision = 0;
    font.lfQuality = 0;
    font.lfPitchAndFamily = FF_SWISS;
    std::swprintf(font.lfFaceName, LF_FACESIZE, L"Nina");
    return CreateFontIndirectW(&font);
}

std::int32_t MeasureTextHeight(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        return 0;
    }
    HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    RECT rect{0, 0, 0, 0};
    DrawTextW(dc, L"12345", -1, &rect, DT_CALCRECT);
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
    ReleaseDC(window, dc);
    return rect.bottom;
}

void PaintStatusArea(HDC dc, const BoardView& view, const PaintedPosition& position) {
    // Without an outline a rectangle fills one pixel short each way: one more each way wipes
    // the whole row, the descenders of the last text on its bottom row included.
    HGDIOBJ oldBrush = SelectObject(dc, StatusBrush());
    HGDIOBJ oldPen = SelectObject(dc, StatusPen());
    for (std::int32_t m = 0; m < 4; ++m) {
        const RECT cell = view.StatusCell(m);
        Rectangle(dc, cell.left, cell.top, cell.right + 1, cell.bottom + 1);
    }
    const RECT message = view.MessageRect();
    Rectangle(dc, message.left, message.top, message.right + 1, message.bottom + 1);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);

    // Each colour's figure is the number of the other side's stones it has taken.
    const bool humanIsBlack = position.humanColor == Black;
    const int blackFigure =
        humanIsBlack ? position.capturedMachineStones : position.capturedHumanStones;
    const int whiteFigure =
        humanIsBlack ? position.capturedHumanStones : position.capturedMachineStones;

    HGDIOBJ oldFont = view.statusFont != nullptr ? SelectObject(dc, view.statusFont) : nullptr;
    DrawInRect(dc, L"Black:", view.StatusCell(0), CounterFormat);
    DrawFigure(dc, blackFigure, view.StatusCell(1));
    DrawInRect(dc, L"White:", view.StatusCell(2), CounterFormat);
    DrawFigure(dc, whiteFigure, view.StatusCell(3));
    // An index outside the table (negative: no message yet) leaves the line blank.
    const std::int32_t status = CurrentStatus();
    if (status >= 0 && status < StatusTextCount) {
        DrawInRect(dc, StatusTexts[status], message, MessageFormat);
    }
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
}
