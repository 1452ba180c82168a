#include "view/about_screen.h"

#include <iterator>

#include "platform/aygshell.h"
#include "resources/resource_ids.h"
#include "shell/game_session.h"
#include "shell/soft_key_bar.h"
#include "view/dialog_scroll.h"

const wchar_t AboutText[] =
    L"Talvex Go\r\n"
    L"version 1.01\r\n"
    L"visit: www.talvexgo.org\r\n"
    L"for more programs\r\n"
    L"for MS Smartphone phones\r\n"
    L"or to get latest version \r\n"
    L"of this program (upgrade)\r\n"
    L"To get support for this \r\n"
    L"program send e-mail \r\n"
    L"at support@talvexgo.org !\r\n";

namespace {

constexpr int AboutTextLength = static_cast<int>(std::size(AboutText) - 1);
// The gap between the logo and the text.
constexpr int TextGap = 2;

BOOL InitAbout(HWND dialog) {
    SHINITDLGINFO init{};
    init.dwMask = SHIDIM_FLAGS;
    init.hDlg = dialog;
    init.dwFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;
    SHInitDialog(&init);
    if (!CreateSoftKeyBar(dialog, IDR_DONE_MENU)) {
        EndDialog(dialog, -1);
    }
    return TRUE;
}

// Draws the logo centred on the screen's width with its top at `top`; returns its height, 0 when
// it cannot be loaded.
int PaintLogo(HDC dc, int top) {
    HBITMAP logo = LoadBitmapW(GameSession.instance, MAKEINTRESOURCEW(IDB_ABOUT_LOGO));
    if (logo == nullptr) {
        return 0;
    }
    BITMAP size{};
    GetObjectW(logo, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    if (memory != nullptr) {
        HGDIOBJ original = SelectObject(memory, logo);
        const int x = (GetSystemMetrics(SM_CXSCREEN) - size.bmWidth) / 2;
        BitBlt(dc, x, top, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, original);
        DeleteDC(memory);
    }
    DeleteObject(logo);
    return size.bmHeight;
}

void PaintAbout(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (dc == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(dialog, &client);
    const int pos = DialogScrollPosition(dialog);
    const int logoHeight = PaintLogo(dc, -pos);
    RECT text = client;
    text.top += -pos + logoHeight + TextGap;
    DrawTextW(dc, AboutText, AboutTextLength, &text, DT_CENTER | DT_WORDBREAK);
    EndPaint(dialog, &paint);
}

}  // namespace

BOOL AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return InitAbout(dialog);
        case WM_PAINT:
            PaintAbout(dialog);
            return FALSE;
        case WM_KEYUP:
        case WM_MOUSEWHEEL:
            // The platform may have scrolled on the key or the wheel: draw the screen at the new
            // position.
            InvalidateRect(dialog, nullptr, TRUE);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDM_DONE) {
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}
