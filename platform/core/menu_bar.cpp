// Soft-key bars: SHCreateMenuBar, the bar's SHCMBM_OVERRIDEKEY, the soft keys and the popup.
#include "platform/core/menu_bar.h"

#include "platform/aygshell.h"
#include "platform/core/resources.h"
#include "platform/core/screen.h"
#include "platform/core/window.h"
#include "platform/text/font.h"
#include "platform/win_kernel.h"
#include "platform/win_user.h"

namespace menu_bar {
namespace {

constexpr const wchar_t* BarClass = L"menu_worker";
constexpr UINT ModKeyUp = 0x1000;
constexpr int PopupWidth = 110;

struct BarState : ControlState {
    std::vector<Button> buttons;
    DWORD backFlags = 0;  // SHMBOF_ flags the owner set for the Back key
};

OpenPopup& ThePopup() {
    static OpenPopup popup;
    return popup;
}

BarState* BarOf(HWND owner) {
    const PlatformWindow* window = windows::Find(owner);
    if (window == nullptr) {
        return nullptr;
    }
    PlatformWindow* bar = windows::Find(window->menuBar);
    return bar ? dynamic_cast<BarState*>(bar->control.get()) : nullptr;
}

// A menu resource: a header of two words, then items; a popup item is flags and text followed
// by its own items, a command item flags, id and text; MF_END marks the last of a level.
class MenuReader {
  public:
    MenuReader(const PlatformResource& resource)
        : words_(static_cast<const WORD*>(resource.data)), count_(resource.size / 2) {}

    // The top-level items' popups, by index; a command item has an empty popup.
    std::optional<std::vector<std::vector<MenuItem>>> TopLevelPopups() {
        position_ = 2;
        std::vector<std::vector<MenuItem>> popups;
        for (bool last = false; !last;) {
            const auto flags = Next();
            last = (flags & MF_END) != 0;
            std::vector<MenuItem> items;
            if ((flags & MF_POPUP) != 0) {
                Text();
                items = Level();
            } else {
                Next();
                Text();
            }
            if (!ok_) {
                return std::nullopt;
            }
            popups.push_back(std::move(items));
        }
        return popups;
    }

  private:
    std::vector<MenuItem> Level() {
        std::vector<MenuItem> items;
        for (bool last = false; !last && ok_;) {
            const auto flags = Next();
            last = (flags & MF_END) != 0;
            if ((flags & MF_POPUP) != 0) {
                // Nested popups are not shown on the phone's soft keys; skip them whole.
                Text();
                Level();
                continue;
            }
            MenuItem item;
            item.command = Next();
            item.text = Text();
            items.push_back(std::move(item));
        }
        return items;
    }

    WORD Next() {
        if (position_ >= count_) {
            ok_ = false;
            return MF_END;
        }
        return words_[position_++];
    }

    std::wstring Text() {
        std::u16string units;
        for (WORD unit = Next(); ok_ && unit != 0; unit = Next()) {
            units.push_back(static_cast<char16_t>(unit));
        }
        return resources::FromUtf16(units);
    }

    const WORD* words_;
    std::size_t count_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

// The soft-key bar record: menu id, button count, then seven words a button.
std::optional<std::vector<Button>> ReadBar(HINSTANCE instance, UINT barId) {
    const PlatformResource* record =
        resources::Find(instance, resources::IdOf(RT_RCDATA), static_cast<WORD>(barId));
    if (record == nullptr || record->size < 4) {
        return std::nullopt;
    }
    const auto* words = static_cast<const WORD*>(record->data);
    const std::size_t wordCount = record->size / 2;
    const WORD buttonCount = words[1];
    if (buttonCount > 2 || wordCount < 2 + 7u * buttonCount) {
        return std::nullopt;
    }
    const PlatformResource* menu = resources::Find(instance, resources::IdOf(RT_MENU), words[0]);
    if (menu == nullptr) {
        return std::nullopt;
    }
    const auto popups = MenuReader(*menu).TopLevelPopups();
    if (!popups) {
        return std::nullopt;
    }
    std::vector<Button> buttons;
    for (WORD b = 0; b < buttonCount; ++b) {
        const WORD* field = words + 2 + 7 * b;
        Button button;
        button.command = field[1];
        button.dropDown = (field[3] & TBSTYLE_DROPDOWN) != 0;
        button.label = resources::String(instance, field[4]);
        const WORD popupIndex = field[6];
        if (button.dropDown) {
            if (popupIndex >= popups->size()) {
                return std::nullopt;
            }
            button.popup = (*popups)[popupIndex];
        }
        buttons.push_back(std::move(button));
    }
    return buttons;
}

LRESULT BarProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == SHCMBM_OVERRIDEKEY && wParam == VK_TBACK) {
        auto* state = dynamic_cast<BarState*>(windows::Find(handle)->control.get());
        const DWORD mask = LOWORD(static_cast<ULONG_PTR>(lParam));
        const DWORD values = HIWORD(static_cast<ULONG_PTR>(lParam));
        state->backFlags = (state->backFlags & ~mask) | (values & mask);
        return TRUE;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

int PopupRowHeight() {
    return text::LineHeight(*text::SystemFont()) + 4;
}

void Command(HWND owner, UINT command) {
    PostMessageW(owner, WM_COMMAND, command, 0);
}

void OpenFor(HWND owner, const Button& button, bool rightSide) {
    OpenPopup& popup = ThePopup();
    popup.open = true;
    popup.rightSide = rightSide;
    popup.items = button.popup;
    popup.selected = 0;
    popup.owner = owner;
    screen::MarkChanged();
}

void Choose(int index) {
    const OpenPopup& popup = ThePopup();
    if (index < 0 || index >= static_cast<int>(popup.items.size())) {
        return;
    }
    const UINT command = popup.items[static_cast<std::size_t>(index)].command;
    HWND owner = popup.owner;
    ClosePopup();
    Command(owner, command);
}

bool HandlePopupKey(UINT key) {
    OpenPopup& popup = ThePopup();
    const int count = static_cast<int>(popup.items.size());
    if (key == VK_UP || key == VK_DOWN) {
        popup.selected = (popup.selected + (key == VK_UP ? count - 1 : 1)) % count;
        screen::MarkChanged();
    } else if (key == VK_RETURN) {
        Choose(popup.selected);
    } else if (key >= '1' && key <= '9') {
        Choose(static_cast<int>(key - '1'));
    } else if (key == VK_TBACK || key == VK_TSOFT1 || key == VK_TSOFT2) {
        ClosePopup();
    }
    return true;
}

void PressSoftKey(HWND owner, BarState& bar, std::size_t index) {
    if (index >= bar.buttons.size()) {
        return;
    }
    const Button& button = bar.buttons[index];
    if (button.dropDown) {
        // A popup without items would have nothing to show, move through or choose.
        if (!button.popup.empty()) {
            OpenFor(owner, button, index == 1);
        }
    } else {
        Command(owner, button.command);
    }
}

}  // namespace

std::vector<Button> ButtonsOf(HWND owner) {
    const BarState* bar = BarOf(owner);
    return bar ? bar->buttons : std::vector<Button>{};
}

const OpenPopup& Popup() {
    return ThePopup();
}

void ClosePopup() {
    if (ThePopup().open) {
        ThePopup() = OpenPopup{};
        screen::MarkChanged();
    }
}

bool HandleKey(HWND active, UINT key, bool down) {
    if (ThePopup().open) {
        if (ThePopup().owner != active) {
            ClosePopup();
        } else {
            return down ? HandlePopupKey(key) : true;
        }
    }
    BarState* bar = BarOf(active);
    if (bar == nullptr) {
        return false;
    }
    if (key == VK_TSOFT1 || key == VK_TSOFT2) {
        if (down) {
            PressSoftKey(active, *bar, key == VK_TSOFT1 ? 0 : 1);
        }
        return true;
    }
    if (key == VK_TBACK && (bar->backFlags & (SHMBOF_NODEFAULT | SHMBOF_NOTIFY)) != 0) {
        if ((bar->backFlags & SHMBOF_NOTIFY) != 0) {
            const WORD modifiers = down ? 0 : ModKeyUp;
            PostMessageW(active, WM_HOTKEY, 0,
                         static_cast<LPARAM>(modifiers | (static_cast<DWORD>(VK_TBACK) << 16)));
        }
        return true;
    }
    return false;
}

raster::Rect PopupBox() {
    const OpenPopup& popup = ThePopup();
    const int height = static_cast<int>(popup.items.size()) * PopupRowHeight() + 2;
    const int left = popup.rightSide ? screen::Width - PopupWidth : 0;
    return {left, screen::SoftKeyBar.top - height, left + PopupWidth, screen::SoftKeyBar.top};
}

raster::Rect PopupRow(std::size_t index) {
    const raster::Rect box = PopupBox();
    const int top = box.top + 1 + static_cast<int>(index) * PopupRowHeight();
    return {box.left + 1, top, box.right - 1, top + PopupRowHeight()};
}

bool HandleClick(HWND active, int x, int y) {
    if (ThePopup().open) {
        for (std::size_t i = 0; i < ThePopup().items.size(); ++i) {
            if (ThePopup().owner == active && PopupRow(i).Contains(x, y)) {
                Choose(static_cast<int>(i));
                return true;
            }
        }
        ClosePopup();
        return true;
    }
    if (!screen::SoftKeyBar.Contains(x, y)) {
        return false;
    }
    BarState* bar = BarOf(active);
    if (bar != nullptr) {
        PressSoftKey(active, *bar, x < screen::Width / 2 ? 0 : 1);
    }
    return true;
}

}  // namespace menu_bar

BOOL SHCreateMenuBar(SHMENUBARINFO* info) {
    if (info == nullptr || info->cbSize < sizeof(SHMENUBARINFO) ||
        !windows::IsAlive(info->hwndParent)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto buttons = menu_bar::ReadBar(info->hInstRes, info->nToolBarId);
    if (!buttons) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return FALSE;
    }
    if (windows::FindClass(menu_bar::BarClass) == nullptr) {
        windows::RegisterClass({menu_bar::BarClass, menu_bar::BarProc, 0, nullptr, nullptr});
    }
    HWND bar = CreateWindowExW(0, menu_bar::BarClass, L"", 0, 0, 0, 0, 0, info->hwndParent, nullptr,
                               info->hInstRes, nullptr);
    if (bar == nullptr) {
        return FALSE;
    }
    auto state = std::make_unique<menu_bar::BarState>();
    state->buttons = std::move(*buttons);
    windows::Find(bar)->control = std::move(state);
    PlatformWindow* owner = windows::Find(info->hwndParent);
    if (windows::IsAlive(owner->menuBar)) {
        DestroyWindow(owner->menuBar);
    }
    owner->menuBar = bar;
    info->hwndMB = bar;
    screen::MarkChanged();
    return TRUE;
}
