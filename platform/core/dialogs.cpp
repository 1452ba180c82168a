// Modal dialogs: DialogBoxIndirectParamW, EndDialog, SendDlgItemMessageW, GetScrollInfo and the
// dialog class's default behaviour.
#include "platform/core/dialogs.h"

#include <algorithm>

#include "platform/core/controls.h"
#include "platform/core/dialog_template.h"
#include "platform/core/painting.h"
#include "platform/core/screen.h"
#include "platform/core/utf8.h"
#include "platform/core/window.h"
#include "platform/resource_module.h"
#include "platform/text/font.h"
#include "platform/win_user.h"

namespace dialogs {
namespace {

// Pixels per dialog unit come from the dialog font: a quarter of its average character width
// across, an eighth of its line height down.
struct BaseUnits {
    int x = 4;
    int y = 8;
};

BaseUnits UnitsFor(const dialog_template::Template& parsed) {
    std::shared_ptr<const text::Font> font;
    if (parsed.fontFace.empty() || parsed.fontFace == L"System") {
        font = text::SystemFont();
    } else {
        text::FontRequest request;
        request.face = utf8::FromWide(parsed.fontFace);
        request.height = -(parsed.fontPoints * 96 / 72);
        font = text::OpenFont(request);
    }
    if (font == nullptr) {
        return {};
    }
    return {std::max(1, text::AverageCharWidth(*font)), std::max(1, text::LineHeight(*font))};
}

// How far the dialog can scroll: its template's height beyond the screen, when it has a
// vertical scroll bar.
void SetScrollRange(PlatformWindow& dialog, int templateHeight) {
    dialog.scrollMax =
        (dialog.style & WS_VSCROLL) != 0 ? std::max(0, templateHeight - dialog.rect.Height()) : 0;
    dialog.scrollPos = std::clamp(dialog.scrollPos, 0, dialog.scrollMax);
}

void Scroll(HWND handle, int delta) {
    PlatformWindow* dialog = windows::Find(handle);
    const int next = std::clamp(dialog->scrollPos + delta, 0, dialog->scrollMax);
    if (next != dialog->scrollPos) {
        dialog->scrollPos = next;
        screen::MarkChanged();
    }
}

// One line of the dialog's text: what Up, Down and a notch of the wheel scroll by.
int LineStep() {
    return text::LineHeight(*text::SystemFont());
}

void HandleKey(HWND handle, UINT key) {
    const PlatformWindow* dialog = windows::Find(handle);
    switch (key) {
        case VK_UP:
            Scroll(handle, -LineStep());
            break;
        case VK_DOWN:
            Scroll(handle, LineStep());
            break;
        case VK_LEFT:
            controls::StepSpinner(dialog->focus, -1);
            break;
        case VK_RIGHT:
            controls::StepSpinner(dialog->focus, 1);
            break;
        default:
            break;
    }
}

HWND CreateItem(HWND dialog, const dialog_template::Item& item, const BaseUnits& units) {
    const int x = item.x * units.x / 4;
    const int y = item.y * units.y / 8;
    const int width = item.width * units.x / 4;
    const int height = item.height * units.y / 8;
    return CreateWindowExW(
        0, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD, x, y, width, height,
        dialog, reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(static_cast<WORD>(item.id))),
        windows::Find(dialog)->instance, nullptr);
}

// The size of the template in bytes when it is one of the module's resources; templates
// handed over from elsewhere are read up to a generous bound.
std::size_t TemplateSize(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate) {
    if (instance != nullptr) {
        for (std::size_t i = 0; i < instance->count; ++i) {
            if (instance->resources[i].data == dialogTemplate) {
                return instance->resources[i].size;
            }
        }
    }
    return 64 * 1024;
}

}  // namespace

LRESULT DialogWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    PlatformWindow* dialog = windows::Find(handle);
    if (dialog == nullptr) {
        return 0;
    }
    if (dialog->dialogProc != nullptr &&
        dialog->dialogProc(handle, message, wParam, lParam) != FALSE) {
        return TRUE;
    }
    switch (message) {
        case WM_KEYDOWN:
            HandleKey(handle, static_cast<UINT>(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            // A notch away from the user scrolls up, as Up does.
            Scroll(handle, -GET_WHEEL_DELTA_WPARAM(wParam) * LineStep() / WHEEL_DELTA);
            return 0;
        case WM_CLOSE:
            EndDialog(handle, IDCANCEL);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(handle, IDCANCEL);
            }
            return 0;
        default:
            return DefWindowProcW(handle, message, wParam, lParam);
    }
}

void MakeFullScreen(HWND handle) {
    PlatformWindow* dialog = windows::Find(handle);
    if (dialog == nullptr) {
        return;
    }
    const int templateHeight = dialog->scrollMax + dialog->rect.Height();
    dialog->rect = screen::ClientArea;
    SetScrollRange(*dialog, templateHeight);
    painting::InvalidateAll(handle, true);
}

}  // namespace dialogs

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner,
                                DLGPROC dialogProc, LPARAM initParam) {
    const auto parsed =
        dialog_template::Parse(dialogTemplate, dialogs::TemplateSize(instance, dialogTemplate));
    if (!parsed) {
        return -1;
    }
    controls::RegisterBuiltInClasses();
    const dialogs::BaseUnits units = dialogs::UnitsFor(*parsed);
    HWND handle =
        CreateWindowExW(0, controls::DialogClass, parsed->title.c_str(),
                        parsed->style & ~WS_VISIBLE, 0, 0, 0, 0, owner, nullptr, instance, nullptr);
    if (handle == nullptr) {
        return -1;
    }
    PlatformWindow* dialog = windows::Find(handle);
    dialog->dialogProc = dialogProc;
    // Every dialog of the phone covers the screen between the title and the soft keys.
    dialog->rect = screen::ClientArea;
    dialogs::SetScrollRange(*dialog, parsed->height * units.y / 8);
    for (const auto& item : parsed->items) {
        HWND control = dialogs::CreateItem(handle, item, units);
        if (dialog->focus == nullptr && control != nullptr && (item.style & WS_TABSTOP) != 0) {
            dialog->focus = control;
        }
    }
    ShowWindow(handle, SW_SHOW);
    if (dialogProc != nullptr) {
        dialogProc(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog->focus), initParam);
    }
    MSG message;
    while (windows::IsAlive(handle) && !windows::Find(handle)->dialogEnded) {
        if (!GetMessageW(&message, nullptr, 0, 0)) {
            // The quit request is for the loop outside; this dialog just ends.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    INT_PTR result = 0;
    if (PlatformWindow* ended = windows::Find(handle)) {
        result = ended->dialogResult;
        DestroyWindow(handle);
    }
    return result;
}

BOOL EndDialog(HWND handle, INT_PTR result) {
    PlatformWindow* dialog = windows::Find(handle);
    if (dialog == nullptr || dialog->className != controls::DialogClass) {
        return FALSE;
    }
    dialog->dialogEnded = true;
    dialog->dialogResult = result;
    return TRUE;
}

LRESULT SendDlgItemMessageW(HWND handle, int itemId, UINT message, WPARAM wParam, LPARAM lParam) {
    const PlatformWindow* dialog = windows::Find(handle);
    if (dialog == nullptr) {
        return 0;
    }
    for (HWND child : dialog->children) {
        if (static_cast<WORD>(windows::Find(child)->controlId) == static_cast<WORD>(itemId)) {
            return SendMessageW(child, message, wParam, lParam);
        }
    }
    return 0;
}

BOOL GetScrollInfo(HWND handle, int bar, SCROLLINFO* info) {
    const PlatformWindow* window = windows::Find(handle);
    if (window == nullptr || info == nullptr || bar != SB_VERT ||
        (window->style & WS_VSCROLL) == 0) {
        return FALSE;
    }
    if ((info->fMask & SIF_RANGE) != 0) {
        info->nMin = 0;
        info->nMax = window->scrollMax + window->rect.Height() - 1;
    }
    if ((info->fMask & SIF_PAGE) != 0) {
        info->nPage = static_cast<UINT>(window->rect.Height());
    }
    if ((info->fMask & SIF_POS) != 0) {
        info->nPos = window->scrollPos;
    }
    return TRUE;
}
