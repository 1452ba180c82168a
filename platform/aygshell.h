// The phone shell: soft-key bars and full-screen dialogs.
#pragma once

#include "platform/win_types.h"

struct SHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId;
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;
    COLORREF clrBk;
};

struct SHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
};

constexpr DWORD SHIDIM_FLAGS = 0x0001;
constexpr DWORD SHIDIF_DONEBUTTON = 0x0001;
constexpr DWORD SHIDIF_SIZEDLG = 0x0002;
constexpr DWORD SHIDIF_SIZEDLGFULLSCREEN = 0x0004;
constexpr DWORD SHIDIF_SIPDOWN = 0x0008;

// Sent to a soft-key bar: wParam the key, lParam the flags for key down (low word) and key up
// (high word).
constexpr UINT SHCMBM_OVERRIDEKEY = 0x0593;
constexpr DWORD SHMBOF_NODEFAULT = 0x0001;
constexpr DWORD SHMBOF_NOTIFY = 0x0002;

// The phone's Back key.
constexpr UINT VK_TBACK = 0x1B;

// Soft-key bar records (RCDATA, 16-bit words): the image of a button without one, and the
// button styles and state the bars use.
constexpr short I_IMAGENONE = -2;
constexpr BYTE TBSTATE_ENABLED = 0x04;
constexpr BYTE TBSTYLE_DROPDOWN = 0x08;
constexpr BYTE TBSTYLE_AUTOSIZE = 0x10;
constexpr WORD NOMENU = 0xFFFF;

// Creates the soft-key bar `info->nToolBarId` of `info->hInstRes` at the bottom of the screen
// for `info->hwndParent`, and stores its window in `info->hwndMB`. FALSE on failure.
BOOL SHCreateMenuBar(SHMENUBARINFO* info);

// SHIDIF_SIZEDLGFULLSCREEN sizes the dialog to the whole client area of the screen.
BOOL SHInitDialog(SHINITDLGINFO* info);
