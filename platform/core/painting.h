// What needs painting, and where: the platform's side of invalidation.
#pragma once

#include "platform/raster/rect.h"
#include "platform/win_types.h"

namespace painting {

// The top-level window that holds `handle`.
HWND TopLevelOf(HWND handle);
// True when the window is visible and belongs to the window that has the screen.
bool IsOnScreen(HWND handle);

// Adds a rectangle in client coordinates to the window's update region (and its children's).
void Invalidate(HWND handle, const raster::Rect& clientRect, bool erase);
void InvalidateAll(HWND handle, bool erase);

// The first window on the screen, parents before children, that has something to paint.
HWND NextToPaint();

}  // namespace painting
