#include "view/help_screen.h"

#include <iterator>

#include "platform/aygshell.h"
#include "resources/resource_ids.h"
#include "shell/soft_key_bar.h"
#include "view/dialog_scroll.h"

const wchar_t HelpText[] =
    L"Talvex Go is a game of GO - an ancient board game from East Asia. Each game starts on "
    L"an empty board. Each player has more stones than a game could ever use; one player "
    L"takes the black stones and the other the white ones. The aim of the game is to build "
    L"territories by surrounding vacant areas of the board with your own stones. Stones can "
    L"also be captured: stones that the opponent surrounds completely are taken. The "
    L"players take turns, and each move places a single stone on a vacant point of the "
    L"board. Black plays first. The stones are placed on the intersections of the lines, "
    L"never inside the squares between them. Once played, a stone never moves to another "
    L"point; it may, however, be captured, and then it is taken off the board and kept by "
    L"the capturing player as a prisoner. At the end of the game, each player scores one "
    L"point for every vacant point inside his or her own territory and one point for every "
    L"stone captured. The player with the larger total of territory plus prisoners wins. ";
static_assert(std::size(HelpText) == 1001 + 1, "the Help paragraph is 1001 characters");

namespace {

constexpr int HelpTextLength = static_cast<int>(std::size(HelpText) - 1);
// Room between the text and the screen's sides.
constexpr int HelpMargin = 3;

BOOL InitHelp(HWND dialog) {
    SHINITDLGINFO init{};
    init.dwMask = SHIDIM_FLAGS;
    init.hDlg = dialog;
    init.dwFlags = SHIDIF_SIZEDLGFULLSCREEN;
    SHInitDialog(&init);
    HWND bar = nullptr;
    if (!CreateSoftKeyBar(dialog, IDR_DONE_MENU, &bar)) {
        EndDialog(dialog, -1);
        return TRUE;
    }
    // Back closes this screen: the bar reports the key as WM_HOTKEY instead of acting on it.
    constexpr WORD flags = SHMBOF_NODEFAULT | SHMBOF_NOTIFY;
    SendMessageW(bar, SHCMBM_OVERRIDEKEY, VK_TBACK, MAKELPARAM(flags, flags));
    return TRUE;
}

void PaintHelp(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    if (dc == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(dialog, &client);
    RECT text = client;
    text.left += HelpMargin;
    text.right -= HelpMargin;
    text.top -= DialogScrollPosition(dialog);
    DrawTextW(dc, HelpText, HelpTextLength, &text, DT_WORDBREAK);
    EndPaint(dialog, &paint);
}

}  // namespace

BOOL HelpDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return InitHelp(dialog);
        case WM_PAINT:
            PaintHelp(dialog);
            return FALSE;
        case WM_KEYUP:
        case WM_MOUSEWHEEL:
            // The platform may have scrolled on the key or the wheel: draw the text at the new
            // position.
            InvalidateRect(dialog, nullptr, TRUE);
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDM_DONE) {
                EndDialog(dialog, IDOK);
            }
            return FALSE;
        case WM_HOTKEY:
            if (HIWORD(static_cast<ULONG_PTR>(lParam)) == VK_TBACK) {
                EndDialog(dialog, IDCANCEL);
            }
            return FALSE;
        default:
            return FALSE;
    }
}
