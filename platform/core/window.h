// The platform's record of a window, and the table of live windows and registered classes.
// Windows are used on the window thread only; other threads only post messages to them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/raster/region.h"
#include "platform/win_types.h"
#include "platform/win_user.h"

struct ControlState;

struct PlatformWindow {
    std::wstring className;
    std::wstring title;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    UINT classStyle = 0;
    HBRUSH background = nullptr;
    HINSTANCE instance = nullptr;
    // The owner of a top-level window (a dialog's owner), or the parent of a child window.
    HWND parent = nullptr;
    std::vector<HWND> children;
    int controlId = 0;
    // Top-level windows: the client area on the screen. Children: in the parent's client area.
    raster::Rect rect;
    bool visible = false;

    // What needs painting, in client coordinates, and whether to erase it first.
    raster::Region update;
    bool eraseUpdate = false;
    // BeginPaint calls so far: tells whether a WM_PAINT handler took the update region over.
    unsigned paintsBegun = 0;

    // Dialogs.
    DLGPROC dialogProc = nullptr;
    bool dialogEnded = false;
    INT_PTR dialogResult = 0;
    // Vertical scrolling of a dialog taller than the screen, in pixels.
    int scrollPos = 0;
    int scrollMax = 0;
    // The control that gets the dialog's keys.
    HWND focus = nullptr;

    // The soft-key bar this window owns, if any.
    HWND menuBar = nullptr;
    // State of a built-in control (list box, up-down, soft-key bar).
    std::unique_ptr<ControlState> control;
};

// Base of every built-in control's own state.
struct ControlState {
    virtual ~ControlState() = default;
};

namespace windows {

// The window if `handle` names a live window of this process, else null.
PlatformWindow* Find(HWND handle);
bool IsAlive(HWND handle);

HWND Add(std::unique_ptr<PlatformWindow> window);
// Forgets the window and its children; their records are freed.
void Remove(HWND handle);

// Top-level windows in creation order; the last visible one is on top of the screen.
std::vector<HWND> TopLevel();
// The top-level window that has the screen and the keys: the newest visible one.
HWND Active();

// The client area of `handle` in screen pixels (children included, their parents' scroll
// applied).
raster::Rect ScreenClientRect(HWND handle);
// The window under screen pixel (x, y) within `handle`: its newest visible child there (and so
// on down), else `handle` itself; null when the pixel lies outside its client area.
HWND WindowAt(HWND handle, int x, int y);

struct WindowClass {
    std::wstring name;
    WNDPROC proc = nullptr;
    UINT style = 0;
    HBRUSH background = nullptr;
    HINSTANCE instance = nullptr;
};

// Returns false when a class of that name is registered already.
bool RegisterClass(const WindowClass& windowClass);
const WindowClass* FindClass(const std::wstring& name);

// Forgets every window and class: for tests that run a program more than once.
void ResetAll();

}  // namespace windows
