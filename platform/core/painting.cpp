// Invalidation and painting: InvalidateRect, BeginPaint, EndPaint, GetDC, ReleaseDC.
#include "platform/core/painting.h"
#include "platform/core/device_context.h"
#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/win_gdi.h"
#include "platform/win_user.h"

namespace painting {

HWND TopLevelOf(HWND handle) {
    PlatformWindow* window = windows::Find(handle);
    while (window != nullptr && (window->style & WS_CHILD) != 0) {
        handle = window->parent;
        window = windows::Find(handle);
    }
    return window ? handle : nullptr;
}

bool IsOnScreen(HWND handle) {
    const PlatformWindow* window = windows::Find(handle);
    return window != nullptr && window->visible && TopLevelOf(handle) == windows::Active();
}

void Invalidate(HWND handle, const raster::Rect& clientRect, bool erase) {
    PlatformWindow* window = windows::Find(handle);
    if (window == nullptr) {
        return;
    }
    const raster::Rect client{0, 0, window->rect.Width(), window->rect.Height()};
    const raster::Rect area = raster::Intersect(clientRect, client);
    if (area.IsEmpty()) {
        return;
    }
    window->update.Add(area);
    window->eraseUpdate = window->eraseUpdate || erase;
    // A parent repaints over its children, so they repaint after it.
    for (HWND child : window->children) {
        const PlatformWindow* childWindow = windows::Find(child);
        const raster::Rect childRect = childWindow->rect.Offset(0, -window->scrollPos);
        const raster::Rect overlap = raster::Intersect(area, childRect);
        if (!overlap.IsEmpty()) {
            Invalidate(child, overlap.Offset(-childRect.left, -childRect.top), true);
        }
    }
}

void InvalidateAll(HWND handle, bool erase) {
    Invalidate(handle, {0, 0, screen::Width, screen::Height}, erase);
}

HWND NextToPaint() {
    // The window on the screen first; covered windows are painted too (their drawing is clipped
    // away), so that they are up to date when they show again. Parents before children, so that
    // a child is painted over its parent's background.
    std::vector<HWND> pending;
    if (HWND active = windows::Active()) {
        pending.push_back(active);
    }
    for (HWND other : windows::TopLevel()) {
        if (other != windows::Active()) {
            pending.push_back(other);
        }
    }
    while (!pending.empty()) {
        HWND handle = pending.front();
        pending.erase(pending.begin());
        const PlatformWindow* window = windows::Find(handle);
        if (window == nullptr || !window->visible) {
            continue;
        }
        if (!window->update.IsEmpty()) {
            return handle;
        }
        pending.insert(pending.end(), window->children.begin(), window->children.end());
    }
    return nullptr;
}

}  // namespace painting

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase) {
    if (!windows::IsAlive(handle)) {
        return FALSE;
    }
    if (rect == nullptr) {
        painting::InvalidateAll(handle, erase != FALSE);
    } else {
        painting::Invalidate(handle, {rect->left, rect->top, rect->right, rect->bottom},
                             erase != FALSE);
    }
    return TRUE;
}

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    PlatformWindow* window = windows::Find(handle);
    if (window == nullptr || paint == nullptr) {
        return nullptr;
    }
    const raster::Rect area = windows::ScreenClientRect(handle);
    raster::Region clip;
    if (painting::IsOnScreen(handle)) {
        clip = window->update;
        clip.Offset(area.left, area.top);
    }
    const raster::Rect bounds = window->update.Bounds();
    const bool erase = window->eraseUpdate;
    // The update region is handed over to this paint: the window is valid again.
    window->update.Clear();
    window->eraseUpdate = false;
    ++window->paintsBegun;

    HDC dc = device_context::ForWindow(handle, clip);
    if (erase && window->background != nullptr) {
        auto* brush = static_cast<PlatformBrush*>(gdi::Find(window->background));
        if (brush != nullptr && brush->color) {
            const raster::Canvas canvas = device_context::CanvasOf(*device_context::Find(dc));
            raster::FillRect(canvas, {0, 0, area.Width(), area.Height()}, *brush->color);
        }
    }
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->fErase = FALSE;
    paint->rcPaint = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    screen::MarkChanged();
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (paint == nullptr || device_context::Find(paint->hdc) == nullptr) {
        return FALSE;
    }
    device_context::Release(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND handle) {
    if (!windows::IsAlive(handle)) {
        return nullptr;
    }
    raster::Region clip;
    if (painting::IsOnScreen(handle)) {
        clip.Add(windows::ScreenClientRect(handle));
    }
    screen::MarkChanged();
    return device_context::ForWindow(handle, clip);
}

int ReleaseDC(HWND, HDC dc) {
    if (device_context::Find(dc) == nullptr) {
        return 0;
    }
    device_context::Release(dc);
    return 1;
}
