// The shell's soft-key bars: two labelled keys at the bottom of the screen for the window that
// owns the bar, and the popup menu a drop-down key opens.
#pragma once

#include <string>
#include <vector>

#include "platform/raster/rect.h"
#include "platform/win_types.h"

namespace menu_bar {

struct MenuItem {
    std::wstring text;
    UINT command = 0;
};

struct Button {
    UINT command = 0;
    std::wstring label;
    bool dropDown = false;
    std::vector<MenuItem> popup;  // the items a drop-down key lists
};

// The buttons of the bar that `owner` has, left to right; empty when it has none.
std::vector<Button> ButtonsOf(HWND owner);

// The soft-key bar's handling of a key for the window that has the screen. True when the bar
// (or its open popup) took the key, which then goes no further.
bool HandleKey(HWND active, UINT key, bool down);
// A click on the soft-key bar or the open popup, in screen pixels. True when taken: a click on
// a popup item chooses it, and any other click while the popup is open closes it.
bool HandleClick(HWND active, int x, int y);

// The popup menu, when one is open.
struct OpenPopup {
    bool open = false;
    HWND owner = nullptr;
    bool rightSide = false;
    std::vector<MenuItem> items;
    int selected = 0;
};
const OpenPopup& Popup();
// Where the open popup stands (on the soft-key bar, at its key's side), in screen pixels, and
// the row of its item `index` inside that box's border.
raster::Rect PopupBox();
raster::Rect PopupRow(std::size_t index);

// Closes the popup (when the window that owns it goes away, say).
void ClosePopup();

}  // namespace menu_bar
