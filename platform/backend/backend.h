// The desktop window that shows the phone's screen: presenting frames, reading input, waking.
// Only the backend knows SDL.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/raster/framebuffer.h"

namespace backend {

enum class InputKind {
    None,
    KeyDown,  // `key` is the phone's virtual key; `repeat` for a held key's repeats
    KeyUp,
    Click,  // a click at (x, y) in phone-screen pixels
    Wheel,  // the mouse wheel turned `notches`, positive away from the user (up)
    Close,  // the desktop window's close button
    Wake,   // Wake() was called
};

struct InputEvent {
    InputKind kind = InputKind::None;
    unsigned key = 0;
    bool repeat = false;
    int x = 0;
    int y = 0;
    int notches = 0;
    friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

// All calls but Wake() belong to the thread that created the backend.
class Backend {
  public:
    virtual ~Backend() = default;
    // Shows the frame (the whole phone screen) in the window. A frame of another size than the
    // screen is refused (logged) and the window keeps what it showed.
    virtual void Present(const raster::Framebuffer& frame) = 0;
    // Waits up to timeoutMs (negative: forever, 0: only what is already queued) for input; false
    // when none came. Desktop input the phone has no use for is skipped while waiting.
    virtual bool WaitInput(InputEvent* event, int timeoutMs) = 0;
    // Thread-safe: makes a waiting WaitInput return a Wake event. Wakes that arrive before
    // WaitInput reads the first one are reported once.
    virtual void Wake() = 0;
    // Brings the window to the front (restoring it when minimised), or minimises it.
    virtual void Raise() = 0;
    virtual void Minimise() = 0;
    virtual void SetTitle(const std::string& utf8) = 0;
    // The window icon, from a square image whose top byte is each pixel's opacity (0xAARRGGBB).
    virtual void SetIcon(const raster::Framebuffer& image) = 0;
    // A copy of the last presented frame (black before the first), for tests.
    virtual raster::Framebuffer LastFrame() const = 0;
};

// The SDL window at an integer scale (3 by default, TALVEX_SCALE overrides), resizable down to
// scale 1, pixels kept sharp, drawn without GL. It opens hidden and shows with the first frame
// presented (or a Raise). It opens on the desktop's display; SDL's headless drivers only when
// SDL_VIDEODRIVER names them. Null when the window cannot be had, or while another backend exists
// in this process; then *failure (when given) says why in a few words.
std::unique_ptr<Backend> CreateSdlBackend(int screenWidth, int screenHeight,
                                          std::string* failure = nullptr);

// Test input: each goes into the same queue as real input and through the same mapping.
// False when no backend exists or the queue refused the event.
//
// A desktop key event, as the given desktop key (an SDL keycode), with NumLock on or off.
bool InjectDesktopKey(int sdlKeycode, bool down, bool repeat = false, bool numLock = true);
// A left click (press and release) at phone-screen pixel (x, y).
bool InjectClick(int x, int y);
// The mouse wheel turned by `notches`, positive away from the user.
bool InjectWheel(int notches);
// A request to close the window.
bool InjectClose();
// Resizes the desktop window to width x height window pixels, as dragging its border does.
bool ResizeDesktopWindow(int width, int height);

}  // namespace backend
