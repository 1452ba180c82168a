// The scroll position of the Help and About screens, which the platform keeps and moves.
#pragma once

#include "platform/windows.h"

// The dialog's vertical scroll position in pixels; 0 when it has no scroll bar.
inline int DialogScrollPosition(HWND dialog) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    if (!GetScrollInfo(dialog, SB_VERT, &info)) {
        return 0;
    }
    return info.nPos;
}
