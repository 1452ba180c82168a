// The two text rows under the board: the counters row (the prisoners each side has taken) and
// the message line, and the one font both are written in.
#pragma once

#include <cstdint>

#include "platform/windows.h"

class BoardView;
struct PaintedPosition;

// The status font: "Nina", 12 pixels high, normal weight; the platform picks the closest
// installed face. Null if the platform cannot make it (the context's font is used then).
HFONT CreateStatusFont();

// The height of one line of text in `font` on the window, measured on "12345".
std::int32_t MeasureTextHeight(HWND window, HFONT font);

// Wipes and redraws both rows from `position` (the counters) and the current status (the
// message line, blank when the index names no text). Leaves the context with the pen, brush
// and font it had on entry.
void PaintStatusArea(HDC dc, const BoardView& view, const PaintedPosition& position);
