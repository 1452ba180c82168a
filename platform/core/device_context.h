// Device contexts: where drawing goes (the screen or a bitmap), through which clip, and with
// which pen, brush, font and bitmap selected.
#pragma once

#include "platform/core/gdi_object.h"
#include "platform/raster/canvas.h"
#include "platform/win_types.h"

struct PlatformDeviceContext {
    HWND window = nullptr;  // window contexts
    bool memory = false;    // memory contexts draw into their selected bitmap
    raster::Rect area;      // screen pixels of the window's client area
    raster::Region clip;    // screen pixels that may be drawn (window contexts)
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;
    // The one-pixel bitmap a memory context starts with; it goes with the context.
    HBITMAP ownBitmap = nullptr;
};

namespace device_context {

// A context for the window's client area, clipped to `clip` (screen pixels) and the client
// area, with the default objects selected.
HDC ForWindow(HWND window, const raster::Region& clip);
// A memory context with a one-pixel default bitmap, as the platform makes them.
HDC ForMemory();
// The context if `handle` names a live one, else null.
PlatformDeviceContext* Find(HDC handle);
// Releases the selections and frees the context.
void Release(HDC handle);

// The canvas that every drawing call draws on: the context's target, origin and clip.
raster::Canvas CanvasOf(const PlatformDeviceContext& dc);

}  // namespace device_context
