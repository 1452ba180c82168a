// The phone's screen: a title bar, the client area and the soft-key bar, in one framebuffer
// that the backend shows.
#pragma once

#include <functional>
#include <memory>

#include "platform/backend/backend.h"
#include "platform/raster/framebuffer.h"
#include "platform/raster/rect.h"

namespace screen {

constexpr int Width = 176;
constexpr int Height = 220;
constexpr int TitleBarHeight = 20;
constexpr int SoftKeyBarHeight = 20;
constexpr raster::Rect TitleBar{0, 0, Width, TitleBarHeight};
constexpr raster::Rect ClientArea{0, TitleBarHeight, Width, Height - SoftKeyBarHeight};
constexpr raster::Rect SoftKeyBar{0, Height - SoftKeyBarHeight, Width, Height};

// What the windows have painted. The title bar, the soft-key bar and an open popup are laid over
// it only in the frame that is shown, so that they never spoil a window's pixels.
raster::Framebuffer& Frame();
// The last frame shown: the windows' pixels with the platform's own parts on top.
const raster::Framebuffer& Shown();

// The backend that shows the screen and gives input; null until one is attached.
backend::Backend* Backend();
void Attach(std::unique_ptr<backend::Backend> backend);
void Detach();
// The backend is opened by `open` when the first top-level window is made, so that a process
// that ends before it (a second start handing over to the running one) never touches the display.
void AttachOnFirstWindow(std::function<std::unique_ptr<backend::Backend>()> open);
// Opens the backend promised by AttachOnFirstWindow unless one is attached; false when it could
// not be opened. Without a promise (tests that run with no screen) there is nothing to open.
bool EnsureBackend();

// Something on the screen changed: the next idle moment presents it.
void MarkChanged();
// Redraws the title bar and the soft-key bar for the active window, and presents the frame when
// anything changed since the last time.
void PresentIfChanged();

}  // namespace screen
