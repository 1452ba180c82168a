#include "platform/core/controls.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/commctrl.h"
#include "platform/core/dialogs.h"
#include "platform/core/gdi_object.h"
#include "platform/core/window.h"
#include "platform/win_gdi.h"
#include "platform/win_user.h"

namespace controls {
namespace {

struct ListBoxState : ControlState {
    std::vector<std::wstring> items;
    int selected = -1;
};

struct UpDownState : ControlState {
    HWND buddy = nullptr;
};

template <typename State>
State* StateOf(HWND handle) {
    PlatformWindow* window = windows::Find(handle);
    return window ? dynamic_cast<State*>(window->control.get()) : nullptr;
}

RECT ClientRectOf(HWND handle) {
    RECT rect{};
    GetClientRect(handle, &rect);
    return rect;
}

LRESULT StaticProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle, &paint);
    RECT rect = ClientRectOf(handle);
    DrawTextW(dc, windows::Find(handle)->title.c_str(), -1, &rect, DT_LEFT | DT_WORDBREAK);
    EndPaint(handle, &paint);
    return 0;
}

void PaintListBox(HWND handle, const ListBoxState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle, &paint);
    RECT rect = ClientRectOf(handle);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    if (state.selected >= 0) {
        RECT textRect{rect.left + 3, rect.top + 1, rect.right - 2, rect.bottom - 1};
        DrawTextW(dc, state.items[static_cast<std::size_t>(state.selected)].c_str(), -1, &textRect,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(handle, &paint);
}

LRESULT ListBoxProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* window = windows::Find(handle);
    if (message == WM_CREATE) {
        window->control = std::make_unique<ListBoxState>();
        return 0;
    }
    auto* state = StateOf<ListBoxState>(handle);
    if (state == nullptr) {
        return DefWindowProcW(handle, message, wParam, lParam);
    }
    const auto count = static_cast<LRESULT>(state->items.size());
    switch (message) {
        case LB_ADDSTRING: {
            const auto* item = reinterpret_cast<LPCWSTR>(lParam);
            state->items.emplace_back(item ? item : L"");
            return count;
        }
        case LB_SETCURSEL: {
            const auto index = static_cast<LRESULT>(static_cast<int>(wParam));
            state->selected = index >= 0 && index < count ? static_cast<int>(index) : -1;
            InvalidateRect(handle, nullptr, TRUE);
            return state->selected == -1 && index != -1 ? LB_ERR : state->selected;
        }
        case LB_GETCURSEL:
            return state->selected >= 0 ? state->selected : LB_ERR;
        case LB_GETCOUNT:
            return count;
        case WM_PAINT:
            PaintListBox(handle, *state);
            return 0;
        default:
            return DefWindowProcW(handle, message, wParam, lParam);
    }
}

// Places the up-down control at the right edge of its buddy, which gives up that much room.
void AttachToBuddy(PlatformWindow& upDown, HWND buddyHandle) {
    PlatformWindow* buddy = windows::Find(buddyHandle);
    if (buddy == nullptr || (upDown.style & UDS_ALIGNRIGHT) == 0) {
        return;
    }
    const int width = upDown.rect.Width();
    buddy->rect.right -= width;
    upDown.rect = {buddy->rect.right, buddy->rect.top, buddy->rect.right + width,
                   buddy->rect.bottom};
}

void PaintUpDown(HWND handle) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle, &paint);
    const RECT rect = ClientRectOf(handle);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    // Two arrow heads, pointing left and right, drawn line by line.
    const int middle = (rect.top + rect.bottom) / 2;
    const int reach = std::max(1, (rect.bottom - rect.top) / 2 - 2);
    const int quarter = (rect.right - rect.left) / 4;
    for (int i = 0; i < reach; ++i) {
        const int leftTip = rect.left + quarter - reach / 2 + i;
        const int rightTip = rect.right - quarter + reach / 2 - i;
        const POINT left[] = {{leftTip, middle - i}, {leftTip, middle + i + 1}};
        const POINT right[] = {{rightTip - 1, middle - i}, {rightTip - 1, middle + i + 1}};
        Polyline(dc, left, 2);
        Polyline(dc, right, 2);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    EndPaint(handle, &paint);
}

// Steps the up-down control's buddy list by `delta`, wrapping around with UDS_WRAP. False when
// there is no list with items to step.
bool StepBuddy(HWND upDown, int delta) {
    const auto* state = StateOf<UpDownState>(upDown);
    const auto* list = state ? StateOf<ListBoxState>(state->buddy) : nullptr;
    if (list == nullptr || list->items.empty()) {
        return false;
    }
    const int count = static_cast<int>(list->items.size());
    int next = list->selected + delta;
    if (next < 0 || next >= count) {
        if ((windows::Find(upDown)->style & UDS_WRAP) == 0) {
            return true;
        }
        next = (next + count) % count;
    }
    SendMessageW(state->buddy, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
    return true;
}

// A press on the arrows drawn in the left half steps back, in the right half forward.
void PressUpDown(HWND handle, LPARAM position) {
    const int width = ClientRectOf(handle).right;
    StepBuddy(handle, GET_X_LPARAM(position) < width / 2 ? -1 : 1);
}

LRESULT UpDownProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* window = windows::Find(handle);
    if (message == WM_CREATE) {
        auto state = std::make_unique<UpDownState>();
        const PlatformWindow* parent = windows::Find(window->parent);
        // The control created just before this one is its buddy.
        if ((window->style & UDS_AUTOBUDDY) != 0 && parent && parent->children.size() >= 2) {
            state->buddy = parent->children[parent->children.size() - 2];
            AttachToBuddy(*window, state->buddy);
        }
        window->control = std::move(state);
        return 0;
    }
    if (message == WM_PAINT) {
        PaintUpDown(handle);
        return 0;
    }
    if (message == WM_LBUTTONDOWN) {
        PressUpDown(handle, lParam);
        return 0;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

}  // namespace

void RegisterBuiltInClasses() {
    if (windows::FindClass(DialogClass) != nullptr) {
        return;
    }
    const HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windows::RegisterClass({DialogClass, dialogs::DialogWindowProc, 0, white, nullptr});
    windows::RegisterClass({StaticClass, StaticProc, 0, white, nullptr});
    windows::RegisterClass({ListBoxClass, ListBoxProc, 0, white, nullptr});
    windows::RegisterClass({UpDownClass, UpDownProc, 0, white, nullptr});
}

bool StepSpinner(HWND list, int delta) {
    const PlatformWindow* listWindow = windows::Find(list);
    if (listWindow == nullptr) {
        return false;
    }
    for (HWND sibling : windows::Find(listWindow->parent)->children) {
        const auto* upDown = StateOf<UpDownState>(sibling);
        if (upDown != nullptr && upDown->buddy == list &&
            (windows::Find(sibling)->style & UDS_ARROWKEYS) != 0) {
            return StepBuddy(sibling, delta);
        }
    }
    return false;
}

}  // namespace controls
